#include "Palette/PageUrl.hpp"

#include "Definitions.hpp"

#include <algorithm>

std::string PageUrlFromModulePath (std::string modulePath)
{
    std::replace (modulePath.begin (), modulePath.end (), '\\', '/');
    const std::string::size_type lastSlash = modulePath.rfind ('/');
    const std::string            folder = lastSlash == std::string::npos ? modulePath : modulePath.substr (0, lastSlash);
    // the characters that would end the path ('#', '?') or start an escape ('%') are escaped
    std::string escaped;
    for (const char c : folder) {
        if (c == '%' || c == '#' || c == '?') {
            static constexpr char Hex[] = "0123456789ABCDEF";
            escaped += '%';
            escaped += Hex[UInt8 (c) >> 4];
            escaped += Hex[UInt8 (c) & 0xF];
        } else {
            escaped += c;
        }
    }
    return "file://" + escaped + "/web/index.html";
}
