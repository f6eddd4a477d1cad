// The resources of one module file, decoded from its resource image (ResourceFormat.hpp).
#pragma once

#include "RS.hpp"
#include "ResourceFormat.hpp"

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

// Decodes and checks one resource's payload into 'image'. False with 'error' set when it is
// not a payload of that type.
bool ReadResourcePayload (ResourceType type, Int32 id, const unsigned char* data, USize size, ResourceImage* image, std::string* error);

// Whether an image's data is a file of its format with its size; 'error' says what is not.
bool CheckImage (const RSImage& image, std::string* error);

}   // namespace RS
