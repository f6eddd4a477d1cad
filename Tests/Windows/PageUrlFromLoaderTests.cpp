// The page's address from an add-on file that Windows located: the add-on copied into folders
// of drive C: and loaded there, the address as the host is asked to open it.
#include "HostFixture.hpp"

#include <filesystem>

namespace VirelTests {
namespace {

struct LocatedModule {
    const char8_t* folder;     // where the add-on file is copied, as Windows writes it
    const char8_t* expected;   // the address the host is asked to open
};

const LocatedModule Cases[] = {
    { u8"C:\\AddOns\\Colour", u8"file://C:/AddOns/Colour/web/index.html" },
    { u8"C:\\A\\b", u8"file://C:/A/b/web/index.html" },
    { u8"C:\\Add Ons\\Farbtöne Å", u8"file://C:/Add Ons/Farbtöne Å/web/index.html" },
    { u8"C:\\a#b%20c", u8"file://C:/a%23b%2520c/web/index.html" },
};

std::string Text (const char8_t* text) { return reinterpret_cast<const char*> (text); }

class PageUrlFromLoaderTest : public HostTest {};

TEST_P (PageUrlFromLoaderTest, IsTheFolderOfTheModuleAsTheLoaderFoundIt)
{
    for (const LocatedModule& located : Cases) {
        const std::filesystem::path folder (located.folder);
        std::filesystem::create_directories (folder);
        std::filesystem::copy_file (AddOnPath (Api ()), folder / "VirelPalette.apx", std::filesystem::copy_options::overwrite_existing);
        Restart ();
        host->SetAddOnFile (Text ((folder / "VirelPalette.apx").u8string ().c_str ()));
        const std::vector<std::string> lines = Only (Run (R"({"do":"load"}
{"do":"menu","list":32500,"item":1})"),
                                                     "openUrl");
        EXPECT_EQ (lines, std::vector<std::string> { "{\"openUrl\":\"" + Text (located.expected) + "\"}" }) << Text (located.folder);
    }
}

VIREL_ON_BOTH_BUILDS (PageUrlFromLoaderTest);

}   // namespace
}   // namespace VirelTests
