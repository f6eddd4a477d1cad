// Faults found by adversarial runs, each as the host sees it: what a page or a project can
// send that once crashed, froze or lost a material, and what the add-on does instead.
#include "CatalogueFixture.hpp"

#include <filesystem>

using namespace VirelTests;

namespace {

const std::vector<std::string> RootPath { "Surfaces", "Virel" };
constexpr int                  DepthLimit = 64;

class FaultTest : public CatalogueTest {};

std::vector<std::string> Chain (int levels)
{
    std::vector<std::string> path = RootPath;
    for (int level = 1; level <= levels; ++level)
        path.push_back ("L" + std::to_string (level));
    return path;
}

// How many levels the catalogue text reaches below its root, following the first subfolder,
// and the names of the materials in the deepest folder it lists.
std::pair<int, std::vector<std::string>> DeepestFolder (const std::string& catalogueText)
{
    nlohmann::json folder = nlohmann::json::parse (catalogueText);
    int            depth = 0;
    while (!folder["folders"].empty ()) {
        EXPECT_EQ (folder["surfaces"], nlohmann::json::array ()) << "materials above the deepest folder";
        folder = nlohmann::json (folder["folders"][0]);
        ++depth;
    }
    std::vector<std::string> names;
    for (const nlohmann::json& surface : folder["surfaces"])
        names.push_back (surface["name"].get<std::string> ());
    return { depth, names };
}

TEST_P (FaultTest, AFolderChainOfAnyDepthIsListedDownToTheLimit)
{
    const std::vector<std::string> chain = Chain (6000);
    AddFolder (chain);
    for (int level : { DepthLimit, DepthLimit + 1, 6000 })
        AddMaterial ({ std::vector<std::string> (chain.begin (), chain.begin () + 2 + level), "At " + std::to_string (level) });
    for (const std::string& text : { CatalogueText (), CatalogueText ("createMaterials", "[]") })
        EXPECT_EQ (DeepestFolder (text), (std::pair<int, std::vector<std::string>> { DepthLimit, { "At 64" } }));
}

TEST_P (FaultTest, AnEntryNestingDeeperThanTheCatalogueReachesIsRefused)
{
    const nlohmann::json fits = Entry ("Fits", 0, 0, 0, "Surfaces/Virel" + std::string (DepthLimit, '/'));
    ASSERT_TRUE (Call ("createMaterials", nlohmann::json::array ({ fits }).dump ()).result.has_value ());
    const nlohmann::json folders = Folders ();
    for (const int slashes : { DepthLimit + 1, 6000 }) {
        const nlohmann::json refused = Entry ("Deep", 0, 0, 0, "Surfaces/Virel" + std::string (std::size_t (slashes), '/'));
        const PageOutcome    outcome = Call ("createMaterials", nlohmann::json { fits, refused }.dump ());
        EXPECT_EQ (outcome.exception, "The folder path nests deeper than 64 levels below Surfaces/Virel.");
        EXPECT_EQ (Folders (), folders);
    }
    EXPECT_EQ (MaterialValues ("name"), (std::vector<std::string> { "Fits", "Fits", "Fits" }));
}

TEST_P (FaultTest, ANotificationWalksTheCatalogueOnceHoweverManyIdsItNames)
{
    for (const char* folder : { "A", "B", "C", "D", "E" })
        AddFolder ({ "Surfaces", "Virel", folder });
    std::vector<std::string> elsewhere;
    for (int i = 0; i < 20; ++i)
        elsewhere.push_back (AddMaterial ({ { "Surfaces", "Other" }, "Other " + std::to_string (i) }));
    Calls ();
    const std::vector<std::string> lines = Run (nlohmann::json { { "do", "notify" }, { "which", 2 }, { "guids", elsewhere } }.dump ());
    EXPECT_EQ (CallCount ("HostGetAttributeFolderContent"), 6);   // the root and its five folders
    EXPECT_EQ (Only (lines, "page"), std::vector<std::string> {});
}

TEST_P (FaultTest, AMaterialTheHostWillNotFileIsDeletedAndTheCallSaysSo)
{
    struct Case {
        const char*              operation;
        nlohmann::json           entries;
        std::vector<std::string> kept;
    };
    const Case cases[] = {
        { "HostCreateAttributeFolder",
          { Entry ("Before", 0, 0, 0, "Surfaces/Virel"), Entry ("Lost", 0, 0, 0, "Surfaces/Virel/New") },
          { "Kept", "Before" } },
        { "HostMoveToAttributeFolder", nlohmann::json::array ({ Entry ("Lost", 0, 0, 0, "Surfaces/Virel") }), { "Kept" } },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE (test.operation);
        Restart ();
        LoadAndOpenPalette ();
        AddMaterial ({ RootPath, "Kept" });
        Run (nlohmann::json { { "do", "fail" }, { "op", test.operation }, { "code", "0x81060001" } }.dump ());
        const PageOutcome outcome = Call ("createMaterials", test.entries.dump ());
        EXPECT_EQ (outcome.exception, std::string ("The material \"Lost\" could not be filed in the folder \"") +
                                          test.entries.back ()["path"].get<std::string> () + "\" (error 0x81060001), so it was not kept.");
        EXPECT_EQ (MaterialValues ("name"), test.kept);
    }
}

TEST_P (FaultTest, AZeroCharacterIsPartOfTheArgument)
{
    const std::string chalk = AddMaterial ({ RootPath, "Chalk" });
    const std::string junk ("\0junk", 5);
    EXPECT_TRUE (Call ("createMaterials", "[]" + junk).exception.has_value ());
    EXPECT_TRUE (
        Call ("createMaterials", nlohmann::json::array ({ Entry (std::string ("A\0B", 3), 0, 0, 0, "Surfaces/Virel/X" + junk) }).dump ())
            .result.has_value ());
    const nlohmann::json folders = Folders ();
    EXPECT_NE (std::find (folders.begin (), folders.end (), nlohmann::json { "Surfaces", "Virel", "X" + junk }), folders.end ());
    Call ("deleteMaterial", chalk + junk);
    EXPECT_EQ (MaterialValues ("guid").front (), chalk);
    Call ("deleteMaterial", chalk);
    EXPECT_EQ (MaterialValues ("name"), std::vector<std::string> { "A" });
}

TEST_P (FaultTest, ThePageUrlEscapesWhatWouldChangeItsMeaning)
{
    const std::filesystem::path folder = std::filesystem::path (VIREL_BUILD_DIR) / ("url-" + std::to_string (Api ())) / "a#b%20c?d";
    std::filesystem::create_directories (folder);
    std::filesystem::copy_file (AddOnPath (Api ()), folder / "VirelPalette.apx", std::filesystem::copy_options::overwrite_existing);
    Restart ();
    host->SetAddOnFile ((folder / "VirelPalette.apx").string ());
    const std::vector<std::string> lines = Only (Run (R"({"do":"load"}
{"do":"menu","list":32500,"item":1})"),
                                                 "openUrl");
    const std::string              parent = folder.parent_path ().string ();
    EXPECT_EQ (lines, std::vector<std::string> { "{\"openUrl\":\"file://" + parent + "/a%23b%2520c%3Fd/web/index.html\"}" });
}

}   // namespace

VIREL_ON_BOTH_BUILDS (FaultTest);
