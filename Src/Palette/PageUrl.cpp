#include "Palette/PageUrl.hpp"

#include <algorithm>

std::string PageUrlFromModulePath (std::string modulePath)
{
    std::replace (modulePath.begin (), modulePath.end (), '\\', '/');
    const std::string::size_type lastSlash = modulePath.rfind ('/');
    const std::string folder = lastSlash == std::string::npos ? modulePath : modulePath.substr (0, lastSlash);
    return "file://" + folder + "/web/index.html";
}
