#pragma once

#include <stdexcept>

namespace SimHost {

// A step the host cannot carry out (no add-on, no page, a malformed scenario).
class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}   // namespace SimHost
