// The host program's command line and file names as UTF-8 text, whichever system it runs on:
// Windows hands a program its arguments in the ANSI code page and names files in UTF-16.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace SimHost {

// The program's arguments, argv[0] included, as UTF-8.
std::vector<std::string> Utf8Arguments (int argc, char** argv);

// The running program's own file; empty when the system does not say.
std::filesystem::path ProgramFile ();

// A path from UTF-8 text, and back.
inline std::filesystem::path Utf8Path (const std::string& text)
{
    return std::filesystem::path (std::u8string (text.begin (), text.end ()));
}

inline std::string PathText (const std::filesystem::path& path)
{
    const std::u8string text = path.u8string ();
    return std::string (text.begin (), text.end ());
}

}   // namespace SimHost
