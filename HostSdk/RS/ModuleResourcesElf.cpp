#include "ElfSection.hpp"
#include "ModuleResources.hpp"
#include "ResourceFormat.hpp"

#include <dlfcn.h>

namespace RS {

namespace {

ModuleResources FromFile (const std::string& path)
{
    ElfSection      section = ReadElfSection (path, ResourceSectionName);
    ModuleResources result;
    result.module = path;
    if (section.status == ElfSection::Status::Missing) {
        result.status = ModuleResources::Status::Missing;
        return result;
    }
    if (section.status != ElfSection::Status::Found) {
        result.error = std::move (section.error);
        return result;
    }
    std::string                  error;
    std::optional<ResourceImage> image = ParseResourceImage (section.bytes.data (), section.bytes.size (), &error);
    if (!image) {
        result.error = "section " + std::string (ResourceSectionName) + ": " + error;
        return result;
    }
    result.resources = std::move (*image);
    result.status = ModuleResources::Status::Found;
    return result;
}

}   // namespace

ModuleResources ReadLoadedModuleResources (GSHandle addressInModule)
{
    Dl_info info {};
    if (addressInModule == nullptr || ::dladdr (addressInModule, &info) == 0 || info.dli_fname == nullptr || info.dli_fname[0] == '\0') {
        ModuleResources none;
        none.status = ModuleResources::Status::Missing;
        return none;
    }
    return FromFile (info.dli_fname);
}

ModuleResources ReadModuleFileResources (const std::string& path) { return FromFile (path); }

}   // namespace RS
