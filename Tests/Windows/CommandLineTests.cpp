// virel-host.exe started by a Windows command line that names files beyond ASCII: the program
// takes its arguments from the UTF-16 command line, not from the ANSI code page's argv.
#include "HostFixture.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace VirelTests {
namespace {

std::filesystem::path Utf8Path (const std::string& text) { return std::filesystem::path (std::u8string (text.begin (), text.end ())); }

class CommandLineTest : public ::testing::TestWithParam<int> {};

TEST_P (CommandLineTest, RunTakesAnAddOnAndScenarioNamedBeyondAscii)
{
    const std::filesystem::path folder (u8"C:\\Färgpalett ÅÄÖ ñ 色\\Kommandozeile");
    std::filesystem::create_directories (folder);
    std::filesystem::copy_file (Utf8Path (AddOnPath (GetParam ())), folder / "VirelPalette.apx",
                                std::filesystem::copy_options::overwrite_existing);
    std::ofstream (folder / u8"Öffnen.scenario") << "{\"do\":\"load\"}\n{\"do\":\"menu\",\"list\":32500,\"item\":1}\n";

    const std::wstring command = L"\"\"" + Utf8Path (std::string (VIREL_BUILD_DIR) + "/virel-host.exe").wstring () + L"\" run --addon \"" +
                                 (folder / "VirelPalette.apx").wstring () + L"\" \"" + (folder / u8"Öffnen.scenario").wstring () + L"\"\"";
    FILE* output = _wpopen (command.c_str (), L"rb");
    ASSERT_NE (output, nullptr);
    std::string transcript;
    char        buffer[4096];
    for (std::size_t read; (read = std::fread (buffer, 1, sizeof buffer, output)) > 0;)
        transcript.append (buffer, read);
    EXPECT_EQ (_pclose (output), 0) << transcript;
    const std::u8string expected = u8R"({"openUrl":"file://C:/Färgpalett ÅÄÖ ñ 色/Kommandozeile/web/index.html"})";
    EXPECT_NE (transcript.find (std::string (expected.begin (), expected.end ())), std::string::npos) << transcript;
}

INSTANTIATE_TEST_SUITE_P (BothBuilds, CommandLineTest, ::testing::Values (28, 27), BuildName);

}   // namespace
}   // namespace VirelTests
