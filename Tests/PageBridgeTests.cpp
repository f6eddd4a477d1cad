// The page and the add-on: the page opened beside the add-on file, the script object
// "archicad", and the calling convention every page call follows.
#include "HostFixture.hpp"

#include <filesystem>

using namespace VirelTests;

namespace {

class PageBridgeTest : public HostTest {
protected:
    std::vector<std::string> Call (const std::string& function, const std::string& argumentKey = "", const std::string& argument = "")
    {
        nlohmann::ordered_json step = { { "do", "call" }, { "fn", function } };
        if (!argumentKey.empty ())
            step[argumentKey] = argument;
        return Run (step.dump ());
    }
    nlohmann::json Palette () { return host->PaletteQuery ()["palette"]; }
};

TEST_P (PageBridgeTest, CreationOpensThePageHandsOverTheObjectThenTellsThePage)
{
    const std::vector<std::string> lines = Run (R"({"do":"load"}
{"do":"menu","list":32500,"item":1})");
    const std::string              folder = std::filesystem::path (AddOnPath (Api ())).parent_path ().string ();
    const std::vector<std::string> opening (lines.begin () + 5, lines.begin () + 8);
    const std::vector<std::string> expected = {
        nlohmann::json ({ { "openUrl", "file://" + folder + "/web/index.html" } }).dump (),
        R"({"scriptObject":"archicad","functions":["hide","getMaterials","resize","paintElement","beginPaint","endPaint","deleteMaterial","createMaterials"]})",
        PageLine ("VirelEvents.onCreated()"),
    };
    EXPECT_EQ (opening, expected);
}

// A path as the host's text: UTF-8, with forward slashes.
std::string PathText (const std::filesystem::path& path)
{
    const std::u8string text = path.generic_u8string ();
    return std::string (text.begin (), text.end ());
}

TEST_P (PageBridgeTest, ThePageLiesBesideTheAddOnWhereverItIs)
{
    const std::filesystem::path base = std::filesystem::temp_directory_path () / ("virel page url " + std::to_string (Api ()));
    for (const char8_t* folderName : { u8"Add Ons With Spaces", u8"Färgpalett ÅÄÖ ñ 色" }) {
        const std::filesystem::path folder = base / folderName;
        SCOPED_TRACE (PathText (folder));
        std::filesystem::create_directories (folder);
        const std::filesystem::path copy = folder / "VirelPalette.apx";
        std::filesystem::copy_file (AddOnPath (Api ()), copy, std::filesystem::copy_options::overwrite_existing);
        Restart ();
        host->SetAddOnFile (PathText (copy));
        const std::vector<std::string> urls = Only (Run (R"({"do":"load"}
{"do":"menu","list":32500,"item":1}
{"do":"unload"})"),
                                                    "openUrl");
        EXPECT_EQ (urls, std::vector<std::string> {
                             nlohmann::json ({ { "openUrl", "file://" + PathText (folder) + "/web/index.html" } }).dump () });
    }
    std::filesystem::remove_all (base);
}

TEST_P (PageBridgeTest, ResizeTakesTheWantedSize)
{
    LoadAndOpenPalette ();
    EXPECT_EQ (Call ("resize", "arg", R"({"width": 400, "height": 700})"), std::vector<std::string> { R"({"result":null})" });
    EXPECT_EQ (Palette ()["width"], 400);
    EXPECT_EQ (Palette ()["height"], 700);
    EXPECT_EQ (Palette ()["browser"], nlohmann::json::array ({ 400, 700 }));
}

struct SizeCase {
    const char* argument;
    int         width, height;
};

TEST_P (PageBridgeTest, ResizeReadsNumbersAsThePageMeansThem)
{
    const SizeCase cases[] = {
        { R"({"width": 500.9, "height": true})", 500, 1 },  { R"({"width": 640, "height": 480, "extra": "ignored"})", 640, 480 },
        { R"({"width": -20.7, "height": false})", 1, 1 },     // never below 1 × 1
        { R"({"width": 1e300, "height": 300})", 1, 300 },     // saturates, then keeps 16 bits: -1
        { R"({"width": 66176, "height": 300})", 640, 300 },   // an integer keeps its low 16 bits
        { R"({"width": 600, "height": 450})", 600, 450 },
    };
    for (const SizeCase& test : cases) {
        SCOPED_TRACE (test.argument);
        Restart (R"({"do":"load"}
{"do":"menu","list":32500,"item":1})");
        EXPECT_EQ (Call ("resize", "arg", test.argument), std::vector<std::string> { R"({"result":null})" });
        const nlohmann::json palette = Palette ();
        EXPECT_EQ (palette["width"], test.width);
        EXPECT_EQ (palette["height"], test.height);
    }
}

struct FailingCall {
    const char* function;
    const char* argumentKey;   // "" for none
    const char* argument;
    const char* messageStart;
};

TEST_P (PageBridgeTest, BadArgumentsEndTheCallAndChangeNothing)
{
    const FailingCall cases[] = {
        { "resize", "", "", "Null reference." },
        { "resize", "argKind", "object", "Bad cast." },
        { "resize", "arg", "not json", "[json.exception.parse_error.101]" },
        { "resize", "arg", R"({"width": 400, "height": 700} // comment)", "[json.exception.parse_error.101]" },
        { "resize", "arg", R"({"width": "x", "height": 1})", "[json.exception.type_error.302]" },
        { "resize", "arg", R"({"height": 1})", "[json.exception.type_error.302] type must be number, but is null" },
        { "resize", "arg", R"([400, 700])", "[json.exception.type_error.305]" },
        { "deleteMaterial", "", "", "Null reference." },
        { "deleteMaterial", "argKind", "object", "Bad cast." },
        { "createMaterials", "", "", "Null reference." },
        { "createMaterials", "argKind", "object", "Bad cast." },
        { "paintElement", "argKind", "object", "Bad cast." },
    };
    LoadAndOpenPalette ();
    for (const FailingCall& test : cases) {
        SCOPED_TRACE (std::string (test.function) + " " + test.argument);
        const std::vector<std::string> lines = Call (test.function, test.argumentKey, test.argument);
        ASSERT_EQ (lines.size (), 1u);
        const nlohmann::json line = nlohmann::json::parse (lines[0]);
        ASSERT_TRUE (line.contains ("exception"));
        EXPECT_EQ (line["exception"].get<std::string> ().rfind (test.messageStart, 0), 0u) << line["exception"];
        EXPECT_EQ (Palette ()["width"], 600);
        EXPECT_EQ (Palette ()["height"], 450);
    }
}

TEST_P (PageBridgeTest, FunctionsThatReadNoArgumentIgnoreIt)
{
    for (const char* function : { "hide", "getMaterials", "beginPaint", "endPaint" }) {
        SCOPED_TRACE (function);
        std::vector<std::vector<std::string>> outcomes;
        for (const char* argumentKey : { "", "arg", "argKind" }) {
            Restart (R"({"do":"load"}
{"do":"menu","list":32500,"item":1})");
            const std::string key = argumentKey;
            outcomes.push_back (Call (function, key, key == "argKind" ? "object" : "{\"width\": 1}"));
        }
        EXPECT_EQ (outcomes[0], outcomes[1]);
        EXPECT_EQ (outcomes[0], outcomes[2]);
        EXPECT_TRUE (Only (outcomes[0], "exception").empty ());
    }
}

TEST_P (PageBridgeTest, HideRunsTheHideLinesAndReturnsNoValue)
{
    LoadAndOpenPalette ();
    EXPECT_EQ (Call ("hide"), (std::vector<std::string> { PageLine ("VirelEvents.onIsPainting(false);"), PageLine ("VirelEvents.onHide();"),
                                                          R"({"result":null})" }));
    EXPECT_EQ (Palette ()["visible"], false);
}

TEST_P (PageBridgeTest, ANewPalettesObjectResizesTheNewPalette)
{
    LoadAndOpenPalette ();
    Run (R"({"do":"hostEvent","code":64})");
    // the old page's object went with its palette
    EXPECT_THROW (Call ("resize", "arg", R"({"width": 400, "height": 700})"), SimHost::HostError);
    Run (R"({"do":"menu","list":32500,"item":1})");
    ASSERT_EQ (host->HeldBrowser ()->GetScriptObjects ().GetSize (), 1u);
    Call ("resize", "arg", R"({"width": 400, "height": 700})");
    EXPECT_EQ (Palette ()["width"], 400);
    EXPECT_EQ (Palette ()["browser"], nlohmann::json::array ({ 400, 700 }));
}

TEST_P (PageBridgeTest, ACallWithoutAPageCannotBeRun)
{
    Run (R"({"do":"load"})");
    EXPECT_THROW (Call ("hide"), SimHost::HostError);
    Run (R"({"do":"menu","list":32500,"item":1})");
    EXPECT_THROW (Call ("noSuchFunction"), SimHost::HostError);
}

VIREL_ON_BOTH_BUILDS (PageBridgeTest);

}   // namespace
