// Writing the resource image that RS reads back (layout: ResourceFormat.hpp).
#pragma once

#include "ResourceFormat.hpp"
#include "ResourceImage.hpp"

#include <vector>

namespace RS {

// One resource's payload (layout: ResourceFormat.hpp).
struct ResourcePayload {
    ResourceType               type;
    Int32                      id;
    std::vector<unsigned char> bytes;
};

// The payloads of 'resources', ordered by type and identifier.
std::vector<ResourcePayload> ResourcePayloads (const ResourceImage& resources);

// The image of 'resources', entries ordered by type and identifier. Throws std::length_error
// when something does not fit the image's 32-bit sizes.
std::vector<unsigned char> WriteResourceImage (const ResourceImage& resources);

}   // namespace RS
