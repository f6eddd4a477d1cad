#include "ModuleResourceBytes.hpp"

#include "ResourceFormat.hpp"

#if defined(_WIN32)
#include <windows.h>
#else
#include "ElfSection.hpp"

#include <dlfcn.h>
#endif

namespace RS {

namespace {

ResourceBytes NoModule ()
{
    ResourceBytes none;
    none.status = ResourceBytes::Status::Missing;
    return none;
}

}   // namespace

#if defined(_WIN32)

namespace {

std::wstring Wide (const std::string& text)
{
    if (text.empty ())
        return {};
    const int    length = MultiByteToWideChar (CP_UTF8, 0, text.data (), static_cast<int> (text.size ()), nullptr, 0);
    std::wstring wide (static_cast<std::size_t> (length), L'\0');
    MultiByteToWideChar (CP_UTF8, 0, text.data (), static_cast<int> (text.size ()), wide.data (), length);
    return wide;
}

ResourceBytes FromModule (HMODULE module, std::string name)
{
    ResourceBytes result;
    result.module = std::move (name);
    HRSRC found = FindResourceA (module, ResourceEntryName, MAKEINTRESOURCEA (10));   // RT_RCDATA
    if (found == nullptr) {
        result.status = ResourceBytes::Status::Missing;
        return result;
    }
    HGLOBAL     loaded = LoadResource (module, found);
    const DWORD size = SizeofResource (module, found);
    const auto* data = loaded == nullptr ? nullptr : static_cast<const unsigned char*> (LockResource (loaded));
    if (data == nullptr) {
        result.error = "cannot load the resource " + std::string (ResourceEntryName);
        return result;
    }
    result.bytes.assign (data, data + size);
    result.status = ResourceBytes::Status::Found;
    return result;
}

}   // namespace

ResourceBytes ReadLoadedModuleResources (GSHandle addressInModule)
{
    HMODULE module = nullptr;
    if (addressInModule == nullptr ||
        !GetModuleHandleExW (GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             static_cast<LPCWSTR> (addressInModule), &module))
        return NoModule ();
    return FromModule (module, "the module at " + std::to_string (reinterpret_cast<std::uintptr_t> (module)));
}

ResourceBytes ReadModuleFileResources (const std::string& path)
{
    HMODULE module = LoadLibraryExW (Wide (path).c_str (), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        ResourceBytes result;
        result.module = path;
        result.error = "cannot open the file as a module (error " + std::to_string (GetLastError ()) + ")";
        return result;
    }
    ResourceBytes result = FromModule (module, path);
    FreeLibrary (module);
    return result;
}

#else

namespace {

ResourceBytes FromFile (const std::string& path)
{
    ElfSection    section = ReadElfSection (path, ResourceSectionName);
    ResourceBytes result;
    result.module = path;
    result.bytes = std::move (section.bytes);
    result.error = std::move (section.error);
    result.status = section.status == ElfSection::Status::Found     ? ResourceBytes::Status::Found
                    : section.status == ElfSection::Status::Missing ? ResourceBytes::Status::Missing
                                                                    : ResourceBytes::Status::Error;
    return result;
}

}   // namespace

ResourceBytes ReadLoadedModuleResources (GSHandle addressInModule)
{
    Dl_info info {};
    if (addressInModule == nullptr || ::dladdr (addressInModule, &info) == 0 || info.dli_fname == nullptr || info.dli_fname[0] == '\0')
        return NoModule ();
    return FromFile (info.dli_fname);
}

ResourceBytes ReadModuleFileResources (const std::string& path) { return FromFile (path); }

#endif

}   // namespace RS
