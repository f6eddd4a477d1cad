// The words of one statement of a resource source (the format is in ResourceSource.hpp):
// words and quoted texts separated by spaces or tabs, up to a '#' outside a quoted text.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace RS {

struct SourceToken {
    bool        quoted = false;
    std::string text;
};

// What is wrong with a line, without its place (the caller knows the file and line).
class SourceTokenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws SourceTokenError for text that is not UTF-8, a zero character, an unknown escape, an
// unclosed quoted text, or a quoted text not set off by spaces.
std::vector<SourceToken> TokenizeSourceLine (std::string_view line);

}   // namespace RS
