#include "Module/ModuleLocation.hpp"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#endif

namespace ModuleLocation {

#if defined(_WIN32)

namespace {

std::string Utf8 (const std::wstring& text)
{
    if (text.empty ())
        return {};
    const int   size = static_cast<int> (text.size ());
    const int   length = WideCharToMultiByte (CP_UTF8, 0, text.data (), size, nullptr, 0, nullptr, nullptr);
    std::string utf8 (static_cast<std::size_t> (length > 0 ? length : 0), '\0');
    WideCharToMultiByte (CP_UTF8, 0, text.data (), size, utf8.data (), length, nullptr, nullptr);
    return utf8;
}

// The name is cut to the buffer when it does not fit, so the buffer grows until it does.
std::wstring FileName (HMODULE module)
{
    std::wstring name (MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW (module, name.data (), static_cast<DWORD> (name.size ()));
        if (length == 0)
            return {};
        if (length < name.size ()) {
            name.resize (length);
            return name;
        }
        if (name.size () >= 32768)   // the longest path the system has
            return {};
        name.resize (name.size () * 2);
    }
}

}   // namespace

Module ThisModule ()
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExW (GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCWSTR> (&ThisModule), &module))
        return {};
    return { module, Utf8 (FileName (module)) };
}

#else

namespace {

// The system reports the module's file name as it was given to the loader; a relative name
// is resolved against the working directory at load, so the path is always whole and absolute.
std::string AbsolutePath (const char* reported)
{
    std::string path = reported == nullptr ? "" : reported;
    if (path.empty () || path.front () == '/')
        return path;
    std::error_code             error;
    const std::filesystem::path directory = std::filesystem::current_path (error);
    if (error)
        return path;
    if (path.rfind ("./", 0) == 0)
        path.erase (0, 2);
    return (directory / path).string ();
}

}   // namespace

Module ThisModule ()
{
    Dl_info info {};
    if (dladdr (reinterpret_cast<void*> (&ThisModule), &info) == 0)
        return {};
    return { info.dli_fbase, AbsolutePath (info.dli_fname) };
}

#endif

}   // namespace ModuleLocation
