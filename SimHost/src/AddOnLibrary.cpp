#include "AddOnLibrary.hpp"

#if defined(_WIN32)
#include "WindowsText.hpp"

#include <windows.h>
#else
#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#endif

namespace SimHost::AddOnLibrary {

#if defined(_WIN32)

std::string LoaderPath (const std::string& path)
{
    const std::wstring wide = Wide (path);
    const DWORD        length = GetFullPathNameW (wide.c_str (), 0, nullptr, nullptr);
    if (length == 0)
        return path;
    std::wstring full (length, L'\0');
    const DWORD  written = GetFullPathNameW (wide.c_str (), length, full.data (), nullptr);
    if (written == 0 || written >= length)
        return path;
    full.resize (written);
    return Utf8 (full);
}

void* Open (const std::string& path, std::string* error)
{
    // the add-on's dependencies are looked for beside the host (its libraries), in the system's
    // folders and beside the add-on
    HMODULE module = LoadLibraryExW (Wide (path).c_str (), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    if (module == nullptr && error != nullptr)
        *error = "Windows error " + std::to_string (GetLastError ());
    return reinterpret_cast<void*> (module);
}

void* Symbol (void* library, const char* name) { return reinterpret_cast<void*> (GetProcAddress (static_cast<HMODULE> (library), name)); }

void Close (void* library) { FreeLibrary (static_cast<HMODULE> (library)); }

bool StillLoaded (const std::string& path) { return GetModuleHandleW (Wide (path).c_str ()) != nullptr; }

#else

std::string LoaderPath (const std::string& path)
{
    std::error_code             error;
    const std::filesystem::path absolute = std::filesystem::absolute (path, error);
    return error ? path : absolute.lexically_normal ().string ();
}

void* Open (const std::string& path, std::string* error)
{
    void* library = dlopen (path.c_str (), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr && error != nullptr)
        *error = dlerror ();
    return library;
}

void* Symbol (void* library, const char* name) { return dlsym (library, name); }

void Close (void* library) { dlclose (library); }

bool StillLoaded (const std::string& path)
{
    void* still = dlopen (path.c_str (), RTLD_NOW | RTLD_NOLOAD);
    if (still != nullptr)
        dlclose (still);
    return still != nullptr;
}

#endif

}   // namespace SimHost::AddOnLibrary
