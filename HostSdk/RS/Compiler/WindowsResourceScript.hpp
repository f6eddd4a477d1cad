// The resources of a Windows module as the toolchain's resource compiler (windres) takes
// them: a script naming one file per resource (layout: WindowsResourceFormat.hpp).
#pragma once

#include "ResourceImage.hpp"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace RS {

struct WindowsResourceScript {
    std::string                                                               script;
    std::vector<std::pair<std::filesystem::path, std::vector<unsigned char>>> files;   // what it names
};

// The script and its files for 'resources', the files to be written into 'folder' (an absolute
// path) with names that begin with 'stem'. Throws std::runtime_error for an identifier that
// Windows cannot name, or a folder that the script cannot name.
WindowsResourceScript MakeWindowsResourceScript (const ResourceImage& resources, const std::filesystem::path& folder,
                                                 const std::string& stem);

}   // namespace RS
