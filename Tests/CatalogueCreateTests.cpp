// "createMaterials": the page imports colours as materials filed in folders, and gets the
// catalogue text afterwards.
#include "CatalogueFixture.hpp"

#include <algorithm>

using namespace VirelTests;

namespace {

const std::string              Root = "Surfaces/Virel/";
const std::vector<std::string> RootPath { "Surfaces", "Virel" };

class CatalogueCreateTest : public CatalogueTest {
protected:
    // a list of entries, as the page sends them
    PageOutcome Create (const std::vector<nlohmann::json>& entries) { return Call ("createMaterials", nlohmann::json (entries).dump ()); }

    std::vector<std::string> MaterialNames () { return MaterialValues ("name"); }
};

TEST_P (CatalogueCreateTest, ChalkIsFiledInANewSubfolderOfTheRoot)
{
    AddFolder (RootPath);
    const std::size_t foldersBefore = Folders ().size ();
    const PageOutcome outcome =
        Call ("createMaterials", R"([{"name":"Chalk","color":{"red":255,"green":0,"blue":128},"path":"Surfaces/Virel/Whites",)"
                                 R"("product":{"ambient":50,"diffuse":80,"shine":true,"specular":20.7}}])");
    ASSERT_TRUE (outcome.result.has_value ()) << outcome.exception.value_or ("");

    const nlohmann::json materials = Materials ();
    ASSERT_EQ (materials.size (), 1u);
    const std::string id = materials[0]["guid"].get<std::string> ();
    EXPECT_EQ (*outcome.result, FolderText (Root,
                                            { FolderText ("Surfaces/Virel/Whites/", {},
                                                          { MaterialText (id, "Chalk", 255, 0, 128, "50.0", "80.0", "1.0", "20.0") }) },
                                            {}));
    EXPECT_EQ (Folders ().size (), foldersBefore + 1);
    EXPECT_EQ (materials[0]["path"], nlohmann::json ({ "Surfaces", "Virel", "Whites" }));
    EXPECT_EQ (materials[0]["rgb"], nlohmann::json ({ 1.0, 0.0, 128 / 255.0 }));
}

struct NumberCase {
    const char*    what;
    nlohmann::json value;
    int            byte;      // as a colour component
    int            sixteen;   // as a reflectance
};

// Integers keep their low bits, reals are truncated toward zero and saturate at the 32-bit
// range first, booleans count as 1 and 0.
const NumberCase numberCases[] = {
    { "zero", 0, 0, 0 },
    { "in range", 200, 200, 200 },
    { "300", 300, 44, 300 },
    { "256", 256, 0, 256 },
    { "-1", -1, 255, -1 },
    { "127.9", 127.9, 127, 127 },
    { "-20.7", -20.7, 236, -20 },
    { "true", true, 1, 1 },
    { "false", false, 0, 0 },
    { "70000", 70000, 112, 4464 },
    { "2^32 + 5 as an integer", 4294967301ll, 5, 5 },
    { "2^64 - 1 as an integer", 18446744073709551615ull, 255, -1 },
    { "real far above the range", 1e300, 255, -1 },
    { "real far below the range", -1e300, 0, 0 },
    { "real just above the range", 2147483648.5, 255, -1 },
};

TEST_P (CatalogueCreateTest, NumbersAreReducedToEightAndSixteenBits)
{
    for (const NumberCase& c : numberCases) {
        SCOPED_TRACE (c.what);
        const std::string folder = std::string ("Surfaces/Virel/") + c.what;
        const PageOutcome outcome = Create ({ Entry (c.what, c.value, 0, 0, folder, c.value, 0, c.value, 0),
                                              Entry (c.what, 0, c.value, c.value, folder, 0, c.value, 0, c.value) });
        ASSERT_TRUE (outcome.result.has_value ()) << outcome.exception.value_or ("");
        const nlohmann::json materials = Materials ();
        ASSERT_GE (materials.size (), 2u);
        const nlohmann::json& first = materials[materials.size () - 2];
        const nlohmann::json& second = materials[materials.size () - 1];
        EXPECT_EQ (first["rgb"], nlohmann::json ({ c.byte / 255.0, 0.0, 0.0 }));
        EXPECT_EQ (second["rgb"], nlohmann::json ({ 0.0, c.byte / 255.0, c.byte / 255.0 }));
        EXPECT_EQ (first["ambient"], c.sixteen);
        EXPECT_EQ (first["shine"], c.sixteen);
        EXPECT_EQ (second["diffuse"], c.sixteen);
        EXPECT_EQ (second["specular"], c.sixteen);
        // and back: the catalogue shows the same bytes and values
        const std::string sixteen = std::to_string (c.sixteen) + ".0";
        const std::string text = *outcome.result;
        EXPECT_NE (text.find (MaterialText (first["guid"], c.what, c.byte, 0, 0, sixteen, "0.0", sixteen, "0.0")), std::string::npos)
            << text;
        EXPECT_NE (text.find (MaterialText (second["guid"], c.what, 0, c.byte, c.byte, "0.0", sixteen, "0.0", sixteen)), std::string::npos)
            << text;
    }
}

TEST_P (CatalogueCreateTest, EveryByteValueMakesTheRoundTrip)
{
    nlohmann::json entries = nlohmann::json::array ();
    for (int n = 0; n < 256; ++n)
        entries.push_back (Entry ("c" + std::to_string (n), n, 255 - n, n, "Surfaces/Virel"));
    const PageOutcome outcome = Call ("createMaterials", entries.dump ());
    ASSERT_TRUE (outcome.result.has_value ()) << outcome.exception.value_or ("");
    const nlohmann::json catalogue = nlohmann::json::parse (*outcome.result);
    ASSERT_EQ (catalogue["surfaces"].size (), 256u);
    for (int n = 0; n < 256; ++n) {
        const nlohmann::json& color = catalogue["surfaces"][n]["color"];
        EXPECT_EQ (color, nlohmann::json ({ { "red", n }, { "green", 255 - n }, { "blue", n } })) << n;
    }
}

TEST_P (CatalogueCreateTest, AnObjectsEntriesAreCreatedInKeyOrder)
{
    const nlohmann::json entries = { { "b", Entry ("B", 1, 2, 3, "Surfaces/Virel") }, { "a", Entry ("A", 1, 2, 3, "Surfaces/Virel") } };
    ASSERT_TRUE (entries.is_object ());
    Call ("createMaterials", entries.dump ());
    EXPECT_EQ (MaterialNames (), (std::vector<std::string> { "A", "B" }));
}

TEST_P (CatalogueCreateTest, NullAndAnEmptyListCreateNothingAndReturnTheCatalogue)
{
    AddMaterial ({ RootPath, "Existing" });
    const std::string before = CatalogueText ();
    for (const char* nothing : { "null", "[]", " [ ] " }) {
        SCOPED_TRACE (nothing);
        Calls ();
        EXPECT_EQ (CatalogueText ("createMaterials", nothing), before);
        EXPECT_EQ (CallCount ("HostCreateAttribute"), 0);
        EXPECT_EQ (MaterialNames (), std::vector<std::string> { "Existing" });
    }
}

TEST_P (CatalogueCreateTest, TwoEntriesForANewFolderCreateItOnce)
{
    Calls ();
    Create ({ Entry ("One", 1, 1, 1, "Surfaces/Virel/Greens"), Entry ("Two", 2, 2, 2, "Surfaces/Virel/Greens") });
    EXPECT_EQ (CallCount ("HostCreateAttributeFolder"), 1);
    EXPECT_EQ (Folders (), nlohmann::json ({ { "Surfaces" }, { "Surfaces", "Virel" }, { "Surfaces", "Virel", "Greens" } }));
    const nlohmann::json materials = Materials ();
    ASSERT_EQ (materials.size (), 2u);
    for (const nlohmann::json& material : materials)
        EXPECT_EQ (material["path"], nlohmann::json ({ "Surfaces", "Virel", "Greens" }));
}

TEST_P (CatalogueCreateTest, PathTextIsCutAtEverySlashKeepingEmptyPieces)
{
    const struct {
        const char*              text;
        std::vector<std::string> path;
    } cases[] = {
        { "Surfaces/Virel", { "Surfaces", "Virel" } },
        { "Surfaces/Virel/", { "Surfaces", "Virel", "" } },
        { "Surfaces//Virel", { "Surfaces", "", "Virel" } },
        { "/Surfaces", { "", "Surfaces" } },
        { "", { "" } },
        { "Paints/Mine", { "Paints", "Mine" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE (c.text);
        Create ({ Entry (c.text, 0, 0, 0, c.text) });
        const nlohmann::json materials = Materials ();
        ASSERT_FALSE (materials.empty ());
        EXPECT_EQ (materials.back ()["path"], nlohmann::json (c.path));
    }
}

TEST_P (CatalogueCreateTest, TrailingSlashMakesAnEmptyFolderBelowTheRoot)
{
    const PageOutcome outcome = Create ({ Entry ("Dust", 0, 0, 0, "Surfaces/Virel/") });
    ASSERT_TRUE (outcome.result.has_value ());
    const std::string id = Materials ().at (0).at ("guid");
    EXPECT_EQ (
        *outcome.result,
        FolderText (Root, { FolderText ("Surfaces/Virel//", {}, { MaterialText (id, "Dust", 0, 0, 0, "0.0", "0.0", "0.0", "0.0") }) }, {}));
}

TEST_P (CatalogueCreateTest, AMaterialFiledOutsideTheRootIsCreatedButNotListed)
{
    const PageOutcome outcome = Create ({ Entry ("Mine", 0, 0, 0, "Paints/Mine") });
    EXPECT_EQ (outcome.result, FolderText (Root, {}, {}));
    EXPECT_EQ (MaterialNames (), std::vector<std::string> { "Mine" });
}

TEST_P (CatalogueCreateTest, AFailingEntryKeepsTheOnesBeforeAndStopsTheCall)
{
    nlohmann::json broken = Entry ("Second", 0, 0, 0, "Surfaces/Virel/Two");
    broken.erase ("product");
    const PageOutcome outcome =
        Create ({ Entry ("First", 0, 0, 0, "Surfaces/Virel/One"), broken, Entry ("Third", 0, 0, 0, "Surfaces/Virel/Three") });
    EXPECT_FALSE (outcome.result.has_value ());
    ASSERT_TRUE (outcome.exception.has_value ());
    EXPECT_EQ (outcome.exception->rfind ("[json.exception.type_error.302] type must be number, but is null", 0), 0u) << *outcome.exception;
    EXPECT_EQ (MaterialNames (), std::vector<std::string> { "First" });
    // nothing of the failing entry nor of the one after it
    EXPECT_EQ (Folders (), nlohmann::json ({ { "Surfaces" }, { "Surfaces", "Virel" }, { "Surfaces", "Virel", "One" } }));
}

TEST_P (CatalogueCreateTest, BadEntriesRaiseTheJsonLibrarysErrorsAndCreateNothing)
{
    nlohmann::json noName = Entry ("x", 0, 0, 0, "Surfaces/Virel");
    noName.erase ("name");
    nlohmann::json numberName = Entry ("x", 0, 0, 0, "Surfaces/Virel");
    numberName["name"] = 7;
    nlohmann::json noPath = Entry ("x", 0, 0, 0, "Surfaces/Virel");
    noPath.erase ("path");
    nlohmann::json stringColour = Entry ("x", 0, 0, 0, "Surfaces/Virel");
    stringColour["color"] = "red";
    nlohmann::json stringRed = Entry ("x", "255", 0, 0, "Surfaces/Virel");
    nlohmann::json arrayProduct = Entry ("x", 0, 0, 0, "Surfaces/Virel");
    arrayProduct["product"] = nlohmann::json::array ({ 1, 2 });
    nlohmann::json stringShine = Entry ("x", 0, 0, 0, "Surfaces/Virel", 0, 0, "high");

    const struct {
        const char* what;
        std::string text;
        const char* message;
    } cases[] = {
        { "missing name", nlohmann::json::array ({ noName }).dump (), "[json.exception.type_error.302] type must be string, but is null" },
        { "number name", nlohmann::json::array ({ numberName }).dump (),
          "[json.exception.type_error.302] type must be string, but is number" },
        { "missing path", nlohmann::json::array ({ noPath }).dump (), "[json.exception.type_error.302] type must be string, but is null" },
        { "string colour", nlohmann::json::array ({ stringColour }).dump (),
          "[json.exception.type_error.305] cannot use operator[] with a string argument with string" },
        { "string component", nlohmann::json::array ({ stringRed }).dump (),
          "[json.exception.type_error.302] type must be number, but is string" },
        { "array product", nlohmann::json::array ({ arrayProduct }).dump (),
          "[json.exception.type_error.305] cannot use operator[] with a string argument with array" },
        { "string reflectance", nlohmann::json::array ({ stringShine }).dump (),
          "[json.exception.type_error.302] type must be number, but is string" },
        { "entry is a string", "[\"Chalk\"]", "[json.exception.type_error.305] cannot use operator[] with a string argument with string" },
        { "one number", "5", "[json.exception.type_error.305] cannot use operator[] with a string argument with number" },
        { "not JSON", "[{",
          "[json.exception.parse_error.101] parse error at line 1, column 3: syntax error while parsing object key - unexpected end of "
          "input; expected string literal" },
        { "comment", "/* none */ []",
          "[json.exception.parse_error.101] parse error at line 1, column 1: syntax error while parsing value - invalid literal; last "
          "read: '/'" },
        { "text after the value", "[] x",
          "[json.exception.parse_error.101] parse error at line 1, column 4: syntax error while parsing value - invalid literal; last "
          "read: '[] x'; expected end of input" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE (c.what);
        const PageOutcome outcome = Call ("createMaterials", c.text);
        EXPECT_FALSE (outcome.result.has_value ());
        EXPECT_EQ (outcome.exception, c.message);
    }
    EXPECT_EQ (Materials (), nlohmann::json::array ());
    EXPECT_EQ (Folders (), nlohmann::json::array ());
}

TEST_P (CatalogueCreateTest, ACatalogueMaterialWithAPathIsAnEntry)
{
    const std::string original = AddMaterial ({ RootPath, "Chalk", 1.0, 0.5, 128 / 255.0, 50, 80, 20, 1 });
    nlohmann::json    entry = nlohmann::json::parse (CatalogueText ())["surfaces"][0];
    entry["path"] = "Surfaces/Virel/Copies";
    const PageOutcome outcome = Create ({ entry });
    ASSERT_TRUE (outcome.result.has_value ()) << outcome.exception.value_or ("");
    const nlohmann::json  catalogue = nlohmann::json::parse (*outcome.result);
    const nlohmann::json& copy = catalogue["folders"][0]["surfaces"][0];
    EXPECT_NE (copy["id"], original);   // the host gives the new material its own identifier
    EXPECT_EQ (copy["color"], entry["color"]);
    EXPECT_EQ (copy["product"], entry["product"]);
    EXPECT_EQ (copy["name"], "Chalk");
}

TEST_P (CatalogueCreateTest, DuplicateAndEmptyNamesGoToTheHostAsTheyAre)
{
    Create (
        { Entry ("Twin", 0, 0, 0, "Surfaces/Virel"), Entry ("Twin", 0, 0, 0, "Surfaces/Virel"), Entry ("", 0, 0, 0, "Surfaces/Virel") });
    EXPECT_EQ (MaterialNames (), (std::vector<std::string> { "Twin", "Twin", "" }));
}

TEST_P (CatalogueCreateTest, ALongNameIsCutToWholeCharactersWithinTheField)
{
    const std::string a254 (254, 'a');
    const struct {
        const char* what;
        std::string name;
        std::string stored;
    } cases[] = {
        { "255 bytes fit", std::string (255, 'b'), std::string (255, 'b') },
        { "ASCII beyond the field", std::string (300, 'c'), std::string (255, 'c') },
        { "two-byte character across the end", a254 + "\xC3\xA9", a254 },
        { "three-byte character across the end", std::string (253, 'd') + "\xE2\x82\xAC", std::string (253, 'd') },
        { "four-byte character across the end", std::string (252, 'e') + "\xF0\x9F\x8E\xA8" + "tail", std::string (252, 'e') },
        { "character ending at the field's end", std::string (253, 'f') + "\xC3\xA9" + "tail", std::string (253, 'f') + "\xC3\xA9" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE (c.what);
        const PageOutcome outcome = Create ({ Entry (c.name, 0, 0, 0, "Surfaces/Virel") });
        ASSERT_TRUE (outcome.result.has_value ()) << outcome.exception.value_or ("");
        const nlohmann::json materials = Materials ();
        ASSERT_FALSE (materials.empty ());
        EXPECT_EQ (materials.back ()["name"], c.stored);
        EXPECT_EQ (nlohmann::json::parse (*outcome.result)["surfaces"].back ()["name"], c.stored);
    }
}

TEST_P (CatalogueCreateTest, AMissingOrForeignArgumentFailsBeforeAnythingIsCreated)
{
    EXPECT_EQ (CallWithout ("createMaterials").exception, "Null reference.");
    EXPECT_EQ (CallWithObject ("createMaterials").exception, "Bad cast.");
    EXPECT_EQ (Materials (), nlohmann::json::array ());
}

TEST_P (CatalogueCreateTest, ThePageHearsNoEventAboutItsOwnCreation)
{
    Create ({ Entry ("Quiet", 0, 0, 0, "Surfaces/Virel") });
    for (const std::string& line : Only (lastLines, "page"))
        EXPECT_EQ (line.find ("onMaterialsModified"), std::string::npos) << line;
    EXPECT_EQ (MaterialNames (), std::vector<std::string> { "Quiet" });
}

}   // namespace

VIREL_ON_BOTH_BUILDS (CatalogueCreateTest);
