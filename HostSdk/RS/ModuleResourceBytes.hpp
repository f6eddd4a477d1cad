// Where a module keeps its resource image: the one place RS asks which system it runs on.
#pragma once

#include "Definitions.hpp"

#include <string>
#include <vector>

namespace RS {

struct ResourceBytes {
    enum class Status { Found, Missing, Error };

    Status                     status = Status::Error;
    std::vector<unsigned char> bytes;    // the image when found
    std::string                module;   // the module's file, for reports
    std::string                error;    // what is wrong, for Status::Error
};

// The image of the loaded module that contains 'addressInModule'. Linux: the ELF section of
// the module's file. Windows: the raw-data resource of the loaded module.
ResourceBytes ReadLoadedModuleResources (GSHandle addressInModule);
// The image of the module file at 'path' (UTF-8), which need not be loaded.
ResourceBytes ReadModuleFileResources (const std::string& path);

}   // namespace RS
