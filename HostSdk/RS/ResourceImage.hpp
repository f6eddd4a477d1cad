// The resources of one module file, decoded from its resource image (ResourceFormat.hpp).
#pragma once

#include "RS.hpp"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace RS {

struct ResourceImage {
    std::map<Int32, std::vector<std::string>>  stringLists;
    std::map<Int32, RSDialog>                  dialogs;
    std::map<Int32, std::pair<UInt32, UInt32>> moduleIdentifiers;   // developer, module
    std::map<Int32, std::vector<RSImage>>      icons;
    std::map<Int32, std::vector<RSImage>>      iconGroups;
};

// Decodes and checks a whole resource image. Every count, size and offset is checked against
// the bytes at hand; on any inconsistency the result is empty and 'error' says what is wrong.
std::optional<ResourceImage> ParseResourceImage (const unsigned char* data, USize size, std::string* error);

}   // namespace RS
