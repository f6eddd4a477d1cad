// GUIDs the host makes, from a seed, so that a run is reproducible.
#pragma once

#include "Guid.hpp"

#include <random>

namespace SimHost {

class GuidGenerator {
public:
    explicit GuidGenerator (UInt64 seed)
        : engine (seed)
    {}
    GS::Guid Next ();

private:
    std::mt19937_64 engine;
};

}   // namespace SimHost
