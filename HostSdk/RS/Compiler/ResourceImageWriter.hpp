// Writing the resource image that RS reads back (layout: ResourceFormat.hpp).
#pragma once

#include "ResourceImage.hpp"

#include <vector>

namespace RS {

// The image of 'resources', entries ordered by type and identifier. Throws std::length_error
// when something does not fit the image's 32-bit sizes.
std::vector<unsigned char> WriteResourceImage (const ResourceImage& resources);

}   // namespace RS
