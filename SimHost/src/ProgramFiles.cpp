#include "ProgramFiles.hpp"

#if defined(_WIN32)
#include "WindowsText.hpp"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>
#endif

namespace SimHost {

#if defined(_WIN32)

std::vector<std::string> Utf8Arguments (int argc, char** argv)
{
    int                      count = 0;
    LPWSTR*                  wide = CommandLineToArgvW (GetCommandLineW (), &count);
    std::vector<std::string> arguments;
    if (wide == nullptr || count != argc) {   // not the command line argv came from: keep argv
        arguments.assign (argv, argv + argc);
    } else {
        for (int i = 0; i < count; ++i)
            arguments.push_back (Utf8 (wide[i]));
    }
    LocalFree (wide);
    return arguments;
}

std::filesystem::path ProgramFile ()
{
    std::wstring file (MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW (nullptr, file.data (), static_cast<DWORD> (file.size ()));
        if (length == 0)
            return {};
        if (length < file.size ()) {
            file.resize (length);
            return file;
        }
        file.resize (file.size () * 2);
    }
}

#else

std::vector<std::string> Utf8Arguments (int argc, char** argv) { return std::vector<std::string> (argv, argv + argc); }

std::filesystem::path ProgramFile ()
{
    std::error_code       error;
    std::filesystem::path file = std::filesystem::read_symlink ("/proc/self/exe", error);
    return error ? std::filesystem::path () : file;
}

#endif

}   // namespace SimHost
