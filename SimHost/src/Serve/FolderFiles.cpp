#include "FolderFiles.hpp"
#include "ProgramFiles.hpp"

#include "Definitions.hpp"

#include <algorithm>
#include <cctype>
#include <map>

namespace SimHost::Serve {

std::optional<std::filesystem::path> FileInside (const std::filesystem::path& folder, const std::string& relative)
{
    namespace fs = std::filesystem;
    if (relative.empty () || relative.front () == '/' || relative.find ('\0') != std::string::npos)
        return std::nullopt;
    const fs::path asked = Utf8Path (relative);
    for (const fs::path& component : asked)
        if (component == "..")
            return std::nullopt;
    std::error_code error;
    const fs::path  root = fs::canonical (folder, error);
    if (error)
        return std::nullopt;
    const fs::path file = fs::canonical (root / asked, error);
    if (error || !fs::is_regular_file (file, error))
        return std::nullopt;
    // a symbolic link may still lead out of the folder
    const auto [rootEnd, fileAt] = std::mismatch (root.begin (), root.end (), file.begin (), file.end ());
    if (rootEnd != root.end ())
        return std::nullopt;
    return file;
}

std::string ContentTypeOf (const std::filesystem::path& file)
{
    static const std::map<std::string, std::string> types {
        { ".html", "text/html; charset=utf-8" },
        { ".js", "text/javascript; charset=utf-8" },
        { ".mjs", "text/javascript; charset=utf-8" },
        { ".css", "text/css; charset=utf-8" },
        { ".json", "application/json" },
        { ".png", "image/png" },
        { ".svg", "image/svg+xml" },
        { ".woff2", "font/woff2" },
        { ".txt", "text/plain; charset=utf-8" },
    };
    const auto found = types.find (file.extension ().string ());
    return found == types.end () ? "application/octet-stream" : found->second;
}

std::optional<std::filesystem::path> PathOfFileUrl (const std::string& url)
{
    const std::string scheme = "file://";
    if (url.rfind (scheme, 0) != 0)
        return std::nullopt;
    std::string path;
    for (std::size_t i = scheme.size (); i < url.size (); ++i) {
        if (url[i] == '%' && i + 2 < url.size () && std::isxdigit (UInt8 (url[i + 1])) && std::isxdigit (UInt8 (url[i + 2]))) {
            path.push_back (char (std::stoi (url.substr (i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            path.push_back (url[i]);
        }
    }
    return Utf8Path (path);
}

}   // namespace SimHost::Serve
