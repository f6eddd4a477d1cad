// "deleteMaterial": the page removes a material of its catalogue by its identifier text.
#include "CatalogueFixture.hpp"

#include <algorithm>

using namespace VirelTests;

namespace {

const std::string              Root = "Surfaces/Virel/";
const std::vector<std::string> RootPath { "Surfaces", "Virel" };

class CatalogueDeleteTest : public CatalogueTest {
protected:
    void SetUp () override
    {
        CatalogueTest::SetUp ();
        chalk = AddMaterial ({ RootPath, "Chalk" });
        moss = AddMaterial ({ { "Surfaces", "Virel", "Greens" }, "Moss" });
        own = AddMaterial ({ { "Surfaces", "Mine" }, "Own" });
        loose = AddMaterial ({ {}, "Loose" });
    }

    std::vector<std::string> MaterialGuids () { return MaterialValues ("guid"); }
    bool                     Called (const std::string& operation) { return CallCount (operation) > 0; }

    std::string chalk, moss, own, loose;
};

std::string Plain (const std::string& id, const std::string& name) { return MaterialText (id, name, 0, 0, 0, "0.0", "0.0", "0.0", "0.0"); }

TEST_P (CatalogueDeleteTest, AListedMaterialIsDeletedAndLeavesTheCatalogue)
{
    const std::string before = CatalogueText ();
    EXPECT_NE (before.find (chalk), std::string::npos);
    EXPECT_EQ (CatalogueText ("deleteMaterial", chalk),
               FolderText (Root, { FolderText ("Surfaces/Virel/Greens/", {}, { Plain (moss, "Moss") }) }, {}));
    EXPECT_EQ (MaterialGuids (), (std::vector<std::string> { moss, own, loose }));
}

TEST_P (CatalogueDeleteTest, AMaterialInASubfolderOfTheRootIsDeleted)
{
    EXPECT_EQ (CatalogueText ("deleteMaterial", moss),
               FolderText (Root, { FolderText ("Surfaces/Virel/Greens/", {}, {}) }, { Plain (chalk, "Chalk") }));
    EXPECT_EQ (MaterialGuids (), (std::vector<std::string> { chalk, own, loose }));
}

TEST_P (CatalogueDeleteTest, TheIdentifierTextOfTheCatalogueNamesTheSameMaterial)
{
    const nlohmann::json catalogue = nlohmann::json::parse (CatalogueText ());
    const std::string    id = catalogue["folders"][0]["surfaces"][0]["id"];
    CatalogueText ("deleteMaterial", id);
    EXPECT_EQ (MaterialGuids (), (std::vector<std::string> { chalk, own, loose }));
}

TEST_P (CatalogueDeleteTest, MaterialsOutsideTheCatalogueAndUnknownTextsDeleteNothing)
{
    std::string lowerCase = chalk;
    std::transform (lowerCase.begin (), lowerCase.end (), lowerCase.begin (), [] (char c) { return char (std::tolower (c)); });
    const std::string before = CatalogueText ();
    for (const std::string& text :
         { own, loose, std::string ("6A1F0C2E-0007-4A10-8000-00000000DEAD"), std::string ("Chalk"), std::string ("") }) {
        SCOPED_TRACE (text);
        Calls ();
        EXPECT_EQ (CatalogueText ("deleteMaterial", text), before);
        EXPECT_FALSE (Called ("HostDeleteAttributes"));
        EXPECT_EQ (Only (lastLines, "report"), std::vector<std::string> {});
        EXPECT_EQ (MaterialGuids (), (std::vector<std::string> { chalk, moss, own, loose }));
    }
    // the host's text forms of the same identifier name it too
    EXPECT_EQ (CatalogueText ("deleteMaterial", "{" + lowerCase + "}"),
               FolderText (Root, { FolderText ("Surfaces/Virel/Greens/", {}, { Plain (moss, "Moss") }) }, {}));
}

TEST_P (CatalogueDeleteTest, AnUnreadableListedMaterialIsNotDeleted)
{
    Run (nlohmann::json { { "do", "breakMaterial" }, { "guid", chalk } }.dump ());
    Calls ();
    const std::string text = CatalogueText ("deleteMaterial", chalk);
    EXPECT_FALSE (Called ("HostDeleteAttributes"));
    // only the catalogue that follows tells of it
    EXPECT_EQ (Only (lastLines, "report"), std::vector<std::string> { "{\"report\":\"Failed to get attribute\"}" });
    EXPECT_EQ (text, FolderText (Root, { FolderText ("Surfaces/Virel/Greens/", {}, { Plain (moss, "Moss") }) }, {}));
    EXPECT_EQ (MaterialGuids (), (std::vector<std::string> { chalk, moss, own, loose }));
}

TEST_P (CatalogueDeleteTest, AMissingOrForeignArgumentFailsBeforeAnythingIsDeleted)
{
    EXPECT_EQ (CallWithout ("deleteMaterial").exception, "Null reference.");
    EXPECT_EQ (CallWithObject ("deleteMaterial").exception, "Bad cast.");
    EXPECT_EQ (MaterialGuids (), (std::vector<std::string> { chalk, moss, own, loose }));
}

TEST_P (CatalogueDeleteTest, IndicesAreNeverReusedAfterADeletion)
{
    CatalogueText ("deleteMaterial", loose);
    CatalogueText ("deleteMaterial", chalk);   // deletes; loose was outside and stays
    const std::vector<nlohmann::json> lines = RunLines (R"({"do":"addMaterial","path":["Surfaces","Virel"],"name":"Next"})");
    ASSERT_EQ (lines.size (), 1u);
    EXPECT_EQ (lines[0]["material"]["index"], 5);
}

TEST_P (CatalogueDeleteTest, ThePageHearsNoEventAboutItsOwnDeletion)
{
    CatalogueText ("deleteMaterial", chalk);
    for (const std::string& line : Only (lastLines, "page"))
        EXPECT_EQ (line.find ("onMaterialsModified"), std::string::npos) << line;
    EXPECT_EQ (MaterialGuids (), (std::vector<std::string> { moss, own, loose }));
}

}   // namespace

VIREL_ON_BOTH_BUILDS (CatalogueDeleteTest);
