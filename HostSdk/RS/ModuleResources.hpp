// Where a module keeps its resources: the one place RS asks which system it runs on. Linux:
// a resource image (ResourceFormat.hpp) in an ELF section of the module's file
// (ModuleResourcesElf.cpp). Windows: one entry per resource in the module's resource section
// (WindowsResourceFormat.hpp), read through the system (ModuleResourcesWindows.cpp).
#pragma once

#include "ResourceImage.hpp"

#include <string>

namespace RS {

struct ModuleResources {
    enum class Status { Found, Missing, Error };

    Status        status = Status::Error;
    ResourceImage resources;   // when found
    std::string   module;      // the module, for reports
    std::string   error;       // what is wrong, for Status::Error
};

// The resources of the loaded module that contains 'addressInModule'.
ModuleResources ReadLoadedModuleResources (GSHandle addressInModule);
// The resources of the module file at 'path' (UTF-8), which need not be loaded.
ModuleResources ReadModuleFileResources (const std::string& path);

}   // namespace RS
