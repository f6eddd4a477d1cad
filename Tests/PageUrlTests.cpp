// The page URL built from the module file's path, on path texts of any system.
#include "Palette/PageUrl.hpp"

#include <gtest/gtest.h>

namespace {

struct UrlCase {
    const char* modulePath;
    const char* url;
};

TEST (PageUrl, IsTheModulesFolderWithForwardSlashesUnescaped)
{
    const UrlCase cases[] = {
        { "C:\\A\\b\\VirelPalette.apx", "file://C:/A/b/web/index.html" },
        { "C:\\AddOns\\Colour\\VirelPalette.apx", "file://C:/AddOns/Colour/web/index.html" },
        { "C:\\Add Ons\\Färg\\VirelPalette.apx", "file://C:/Add Ons/Färg/web/index.html" },
        { "C:\\Mixed/Slashes\\VirelPalette.apx", "file://C:/Mixed/Slashes/web/index.html" },
        { "\\\\server\\share\\AddOns\\VirelPalette.apx", "file:////server/share/AddOns/web/index.html" },
        { "/opt/virel/VirelPalette.apx", "file:///opt/virel/web/index.html" },
        { "VirelPalette.apx", "file://VirelPalette.apx/web/index.html" },
        { "", "file:///web/index.html" },
    };
    for (const UrlCase& test : cases)
        EXPECT_EQ (PageUrlFromModulePath (test.modulePath), test.url) << test.modulePath;
}

TEST (PageUrl, KeepsAPathOfAnyLength)
{
    std::string folder = "/srv";
    while (folder.size () < 700)
        folder += "/a folder with a long name";
    EXPECT_EQ (PageUrlFromModulePath (folder + "/VirelPalette.apx"), "file://" + folder + "/web/index.html");
}

}   // namespace
