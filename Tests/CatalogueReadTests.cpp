// "getMaterials": the page reads the folder tree below "Surfaces/Virel" as catalogue text.
#include "CatalogueFixture.hpp"

#include "CH.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace VirelTests;

namespace {

const std::string              Root = "Surfaces/Virel/";
const std::vector<std::string> RootPath { "Surfaces", "Virel" };

class CatalogueReadTest : public CatalogueTest {};

TEST_P (CatalogueReadTest, WithoutTheRootTheCatalogueIsEmptyAndNothingIsCreated)
{
    EXPECT_EQ (CatalogueText (), "{\"folders\":[],\"path\":\"Surfaces/Virel/\",\"surfaces\":[]}");
    EXPECT_EQ (Folders (), nlohmann::json::array ());
    EXPECT_EQ (CallCount ("HostCreateAttributeFolder"), 0);
}

TEST_P (CatalogueReadTest, ColourAndReflectancesComeOutInKeyOrderWithoutSpaces)
{
    const std::string id = AddMaterial ({ RootPath, "Bright", 1.0, 0.5, 0.0, 100, 0, 0, 0 });
    const std::string text = CatalogueText ();
    EXPECT_NE (text.find ("\"color\":{\"blue\":0,\"green\":127,\"red\":255}"), std::string::npos) << text;
    EXPECT_NE (text.find ("\"ambient\":100.0"), std::string::npos) << text;
    EXPECT_EQ (text, FolderText (Root, {}, { MaterialText (id, "Bright", 255, 127, 0, "100.0", "0.0", "0.0", "0.0") }));
}

struct RecordCase {
    const char* what;
    double      red, green, blue;
    int         ambient, diffuse, specular, shine;
    int         expectedRed, expectedGreen, expectedBlue;
    const char* expectedAmbient;
    const char* expectedDiffuse;
    const char* expectedShine;
    const char* expectedSpecular;
};

// Each colour component times 255, truncated toward zero; each 16-bit value sign-extended.
const RecordCase recordCases[] = {
    { "black", 0.0, 0.0, 0.0, 0, 0, 0, 0, 0, 0, 0, "0.0", "0.0", "0.0", "0.0" },
    { "white", 1.0, 1.0, 1.0, 100, 100, 100, 100, 255, 255, 255, "100.0", "100.0", "100.0", "100.0" },
    { "just below a step", 0.999, 0.004, 128.0 / 255.0, 1, 2, 3, 4, 254, 1, 128, "1.0", "2.0", "4.0", "3.0" },
    { "reflectances apart", 0.2, 0.4, 0.6, 10, 20, 30, 40, 51, 102, 153, "10.0", "20.0", "40.0", "30.0" },
    { "negative and extreme reflectances", 0.0, 0.0, 0.0, -1, 32767, -32768, -200, 0, 0, 0, "-1.0", "32767.0", "-200.0", "-32768.0" },
};

TEST_P (CatalogueReadTest, HostRecordsConvertToCatalogueValues)
{
    for (const RecordCase& c : recordCases) {
        SCOPED_TRACE (c.what);
        const std::string id =
            AddMaterial ({ { "Surfaces", "Virel", c.what }, c.what, c.red, c.green, c.blue, c.ambient, c.diffuse, c.specular, c.shine });
        const std::string text = CatalogueText ();
        const std::string expected = MaterialText (id, c.what, c.expectedRed, c.expectedGreen, c.expectedBlue, c.expectedAmbient,
                                                   c.expectedDiffuse, c.expectedShine, c.expectedSpecular);
        EXPECT_NE (text.find (expected), std::string::npos) << text;
    }
}

TEST_P (CatalogueReadTest, ColourOutsideTheUnitRangeSaturatesInsteadOfOverflowing)
{
    // a record another tool left in the project; the host keeps whatever it was given
    SimHost::AttributeStore& store = host->Attributes ();
    API_Attribute            record;
    BNZeroMemory (&record, sizeof record);
    record.typeID = API_MaterialID;
    std::strcpy (record.name, "Odd");
    record.surfaceRed = 1e20;
    record.surfaceGreen = -1e20;
    record.surfaceBlue = std::nan ("");
    SimHost::AttributeStore::Material& material = store.CreateMaterial (record, host->Guids ().Next ());
    store.MoveMaterial (material, store.CreateFolder (RootPath, host->Guids ()));
    const std::string id = material.guid.ToUniString ().ToCStr ().Get ();
    EXPECT_EQ (CatalogueText (),
               FolderText (Root, {}, { MaterialText (id, "Odd", 2147483647, -2147483648, 0, "0.0", "0.0", "0.0", "0.0") }));
}

TEST_P (CatalogueReadTest, SubfolderCarriesItsOwnFullPathAndItsMaterials)
{
    const std::string id = AddMaterial ({ { "Surfaces", "Virel", "Whites" }, "Chalk" });
    EXPECT_EQ (
        CatalogueText (),
        FolderText (
            Root, { FolderText ("Surfaces/Virel/Whites/", {}, { MaterialText (id, "Chalk", 0, 0, 0, "0.0", "0.0", "0.0", "0.0") }) }, {}));
}

TEST_P (CatalogueReadTest, DeepTreeIsReadDepthFirstInTheHostsOrder)
{
    // each folder's subfolders come before its own materials; siblings in the order they were made
    const std::string top = AddMaterial ({ RootPath, "Top" });
    const std::string deep = AddMaterial ({ { "Surfaces", "Virel", "A", "B", "C", "D", "E" }, "Deep" });
    const std::string a = AddMaterial ({ { "Surfaces", "Virel", "A" }, "InA" });
    AddFolder ({ "Surfaces", "Virel", "A", "Z" });
    const std::string second = AddMaterial ({ { "Surfaces", "Virel", "Second" }, "InSecond" });
    auto              material = [] (const std::string& id, const std::string& name) {
        return MaterialText (id, name, 0, 0, 0, "0.0", "0.0", "0.0", "0.0");
    };
    const std::string e = FolderText ("Surfaces/Virel/A/B/C/D/E/", {}, { material (deep, "Deep") });
    const std::string d = FolderText ("Surfaces/Virel/A/B/C/D/", { e }, {});
    const std::string c = FolderText ("Surfaces/Virel/A/B/C/", { d }, {});
    const std::string b = FolderText ("Surfaces/Virel/A/B/", { c }, {});
    const std::string z = FolderText ("Surfaces/Virel/A/Z/", {}, {});
    const std::string folderA = FolderText ("Surfaces/Virel/A/", { b, z }, { material (a, "InA") });
    const std::string folderSecond = FolderText ("Surfaces/Virel/Second/", {}, { material (second, "InSecond") });
    EXPECT_EQ (CatalogueText (), FolderText (Root, { folderA, folderSecond }, { material (top, "Top") }));
}

TEST_P (CatalogueReadTest, MaterialsOutsideTheRootAreNotListed)
{
    AddMaterial ({ { "Surfaces" }, "Above" });
    AddMaterial ({ { "Surfaces", "Other" }, "Beside" });
    AddMaterial ({ { "Virel" }, "Elsewhere" });
    AddMaterial ({ {}, "AtTheTop" });
    const std::string inside = AddMaterial ({ RootPath, "Inside" });
    EXPECT_EQ (CatalogueText (), FolderText (Root, {}, { MaterialText (inside, "Inside", 0, 0, 0, "0.0", "0.0", "0.0", "0.0") }));
}

TEST_P (CatalogueReadTest, UnreadableMaterialIsReportedOnceAndLeftOut)
{
    const std::string first = AddMaterial ({ RootPath, "First" });
    const std::string second = AddMaterial ({ RootPath, "Second" });
    const std::string third = AddMaterial ({ RootPath, "Third" });
    Run (nlohmann::json { { "do", "breakMaterial" }, { "guid", second } }.dump ());
    const std::string text = CatalogueText ();
    EXPECT_EQ (Only (lastLines, "report"), std::vector<std::string> { "{\"report\":\"Failed to get attribute\"}" });
    EXPECT_EQ (text, FolderText (Root, {},
                                 { MaterialText (first, "First", 0, 0, 0, "0.0", "0.0", "0.0", "0.0"),
                                   MaterialText (third, "Third", 0, 0, 0, "0.0", "0.0", "0.0", "0.0") }));
}

TEST_P (CatalogueReadTest, NameThatIsNotUtf8StillLeavesTheWholeCatalogue)
{
    const std::string good = AddMaterial ({ RootPath, "Ocre \xC3\xA9t\xC3\xA9" });
    // "Bad" followed by a byte that starts no character, then one cut short at the end
    const std::string bad = AddMaterialStep ({ { "path", RootPath }, { "rawName", "426164FF20C3" } });
    const std::string text = CatalogueText ();
    EXPECT_EQ (text, FolderText (Root, {},
                                 { MaterialText (good, "Ocre \xC3\xA9t\xC3\xA9", 0, 0, 0, "0.0", "0.0", "0.0", "0.0"),
                                   MaterialText (bad, "Bad\xEF\xBF\xBD \xEF\xBF\xBD", 0, 0, 0, "0.0", "0.0", "0.0", "0.0") }));
}

TEST_P (CatalogueReadTest, TheArgumentMakesNoDifferenceAndRepeatedCallsAgree)
{
    AddMaterial ({ RootPath, "Chalk", 1.0, 1.0, 1.0, 50, 80, 20, 1 });
    AddMaterial ({ { "Surfaces", "Virel", "Greens" }, "Moss", 0.2, 0.5, 0.1 });
    const std::string plain = CatalogueText ();
    EXPECT_EQ (CatalogueText ("getMaterials", "42"), plain);
    EXPECT_EQ (CatalogueText ("getMaterials", "{\"path\":\"Surfaces\"}"), plain);
    const PageOutcome withObject = CallWithObject ("getMaterials");
    EXPECT_EQ (withObject.result, plain);
    EXPECT_EQ (CatalogueText (), plain);
}

TEST_P (CatalogueReadTest, EveryFolderIsLookedUpOnceAndEveryMaterialReadOnce)
{
    AddMaterial ({ RootPath, "One" });
    AddMaterial ({ { "Surfaces", "Virel", "Sub" }, "Two" });
    AddMaterial ({ { "Surfaces", "Virel", "Sub" }, "Three" });
    Calls ();
    CatalogueText ();
    const std::map<std::string, int> expected = { { "HostGetAttributeFolder", 2 },
                                                  { "HostGetAttributeFolderContent", 2 },
                                                  { "HostGetAttribute", 3 } };
    EXPECT_EQ (CallCounts (), expected);
}

}   // namespace

VIREL_ON_BOTH_BUILDS (CatalogueReadTest);
