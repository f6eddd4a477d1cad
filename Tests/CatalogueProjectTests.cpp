// The host's material store as scenarios set it up and show it: folders, materials, and
// the steps that refuse what the host could not hold.
#include "CatalogueFixture.hpp"

#include "CH.hpp"

#include <algorithm>
#include <cstddef>
#include <cstring>

using namespace VirelTests;

namespace {

class CatalogueProjectTest : public HostTest {};

TEST_P (CatalogueProjectTest, FoldersAreListedEachBeforeItsSubfoldersInTheOrderMade)
{
    Run (R"({"do":"addFolder","path":["B","x"]}
{"do":"addFolder","path":["A"]}
{"do":"addFolder","path":["B","y"]}
{"do":"addFolder","path":["B"]}
{"do":"addFolder","path":["A","","z"]})");
    EXPECT_EQ (Run (R"({"do":"folders"})"),
               std::vector<std::string> { R"({"folders":[["B"],["B","x"],["B","y"],["A"],["A",""],["A","","z"]]})" });
}

TEST_P (CatalogueProjectTest, AMaterialIsShownWithItsWholeRecordInIndexOrder)
{
    const std::vector<std::string> added = Run (
        R"({"do":"addMaterial","path":["Surfaces","Virel"],"name":"Chalk","rgb":[1.0,0.5,0.25],"ambient":50,"diffuse":80,"specular":20,"shine":1,"guid":"6a1f0c2e-0001-4a10-8000-00000000b1e5"}
{"do":"addMaterial","path":["Surfaces","Virel"],"name":"Chalk"})");
    ASSERT_EQ (added.size (), 2u);
    EXPECT_EQ (added[0], R"({"material":{"guid":"6A1F0C2E-0001-4A10-8000-00000000B1E5","index":1}})");
    const std::string second = nlohmann::json::parse (added[1])["material"]["guid"];
    EXPECT_EQ (
        Run (R"({"do":"materials"})"),
        std::vector<std::string> {
            R"({"materials":[{"guid":"6A1F0C2E-0001-4A10-8000-00000000B1E5","index":1,"name":"Chalk","path":["Surfaces","Virel"],"rgb":[1.0,0.5,0.25],"ambient":50,"diffuse":80,"specular":20,"shine":1},)"
            R"({"guid":")" +
            second +
            R"(","index":2,"name":"Chalk","path":["Surfaces","Virel"],"rgb":[0.0,0.0,0.0],"ambient":0,"diffuse":0,"specular":0,"shine":0}]})" });
}

TEST_P (CatalogueProjectTest, ARawNameKeepsItsBytesAndPrintsAsReplacementCharacters)
{
    Run (R"({"do":"addMaterial","path":[],"rawName":"4F6BFFC3A9"})");
    const nlohmann::json materials = nlohmann::json::parse (Run (R"({"do":"materials"})").at (0))["materials"];
    EXPECT_EQ (materials[0]["name"], "Ok\xEF\xBF\xBD\xC3\xA9");
    EXPECT_EQ (materials[0]["path"], nlohmann::json::array ());
}

TEST_P (CatalogueProjectTest, StepsTheHostCouldNotHoldAreRefusedBeforeAnythingRuns)
{
    const char* refused[] = {
        R"({"do":"addMaterial","path":["A"]})",
        R"({"do":"addMaterial","path":["A"],"name":"x","rawName":"78"})",
        R"({"do":"addMaterial","path":["A"],"rawName":"7"})",
        R"({"do":"addMaterial","path":["A"],"rawName":"zz"})",
        R"({"do":"addMaterial","path":["A"],"rawName":"6100"})",
        R"({"do":"addMaterial","path":"A","name":"x"})",
        R"({"do":"addMaterial","path":["A",1],"name":"x"})",
        R"({"do":"addMaterial","name":"x"})",
        R"({"do":"addMaterial","path":["A"],"name":"x","rgb":[1.5,0,0]})",
        R"({"do":"addMaterial","path":["A"],"name":"x","rgb":[1,0]})",
        R"({"do":"addMaterial","path":["A"],"name":"x","ambient":40000})",
        R"({"do":"addMaterial","path":["A"],"name":"x","shine":1.5})",
        R"({"do":"addMaterial","path":["A"],"name":"x","guid":"not a guid"})",
        R"({"do":"addMaterial","path":["A"],"name":"x","colour":[0,0,0]})",
        R"({"do":"addFolder","path":[true]})",
        R"({"do":"addFolder"})",
        R"({"do":"breakMaterial","guid":"00000000-0000-0000-0000-000000000000"})",
        R"({"do":"materials","all":true})",
    };
    for (const char* step : refused) {
        SCOPED_TRACE (step);
        EXPECT_THROW (SimHost::ParseScenarioText (std::string ("{\"do\":\"addFolder\",\"path\":[\"Early\"]}\n") + step),
                      SimHost::ScenarioError);
    }
    const std::string longName = R"({"do":"addMaterial","path":["A"],"name":")" + std::string (256, 'n') + "\"}";
    EXPECT_THROW (SimHost::ParseScenarioText (longName), SimHost::ScenarioError);
    EXPECT_EQ (Run (R"({"do":"folders"})"), std::vector<std::string> { R"({"folders":[]})" });
}

TEST_P (CatalogueProjectTest, StepsNamingWhatTheProjectDoesOrDoesNotHoldStopTheRun)
{
    Run (R"({"do":"addMaterial","path":["A"],"name":"x","guid":"6A1F0C2E-0001-4A10-8000-00000000B1E5"})");
    EXPECT_THROW (Run (R"({"do":"addMaterial","path":["A"],"name":"y","guid":"6A1F0C2E-0001-4A10-8000-00000000B1E5"})"),
                  SimHost::ScenarioError);
    EXPECT_THROW (Run (R"({"do":"breakMaterial","guid":"6A1F0C2E-0002-4A10-8000-00000000B1E5"})"), SimHost::ScenarioError);
    EXPECT_EQ (nlohmann::json::parse (Run (R"({"do":"materials"})").at (0))["materials"].size (), 1u);
}

TEST_P (CatalogueProjectTest, TheHostKeepsEveryByteOfAMaterialsRecord)
{
    SimHost::AttributeStore& store = host->Attributes ();
    API_Attribute            record;
    for (USize i = 0; i < sizeof record; ++i)
        reinterpret_cast<UInt8*> (&record)[i] = UInt8 (i * 7 + 1);
    record.name[100] = '\0';
    const GS::Guid                           guid = host->Guids ().Next ();
    const SimHost::AttributeStore::Material& material = store.CreateMaterial (record, guid);
    record.typeID = API_MaterialID;
    record.index = 1;
    record.guid = guid;
    const API_Attribute kept = material.Record ();
    EXPECT_EQ (std::memcmp (&kept, &record, sizeof record), 0);
    // and one that is zero after its first bytes comes back with those zeros
    API_Attribute small;
    BNZeroMemory (&small, sizeof small);
    small.ambient = 7;
    const API_Attribute smallKept = store.CreateMaterial (small, host->Guids ().Next ()).Record ();
    EXPECT_EQ (smallKept.ambient, 7);
    EXPECT_EQ (smallKept.index, 2);
    const UInt8* tail = reinterpret_cast<const UInt8*> (&smallKept) + offsetof (API_Attribute, surfaceBlue) + sizeof (double);
    EXPECT_TRUE (std::all_of (tail, reinterpret_cast<const UInt8*> (&smallKept + 1), [] (UInt8 byte) { return byte == 0; }));
}

TEST_P (CatalogueProjectTest, AMovedFolderTakesEverythingBelowItToItsNewPaths)
{
    SimHost::AttributeStore& store = host->Attributes ();
    store.CreateFolder ({ "A", "B", "C" }, host->Guids ());
    const SimHost::AttributeStore::FolderId d = store.CreateFolder ({ "D" }, host->Guids ());
    const SimHost::AttributeStore::FolderId b = *store.FolderAt ({ "A", "B" });
    const GS::Guid                          guidOfC = store.GetFolder (*store.FolderAt ({ "A", "B", "C" })).guid;
    store.MoveFolder (b, d);
    EXPECT_FALSE (store.FolderAt ({ "A", "B" }).has_value ());
    EXPECT_FALSE (store.FolderAt ({ "A", "B", "C" }).has_value ());
    EXPECT_EQ (store.FolderAt ({ "D", "B" }), b);
    EXPECT_EQ (store.FolderWithGuid (guidOfC), store.FolderAt ({ "D", "B", "C" }));
    EXPECT_EQ (Run (R"({"do":"folders"})"), std::vector<std::string> { R"({"folders":[["A"],["D"],["D","B"],["D","B","C"]]})" });
}

}   // namespace

VIREL_ON_BOTH_BUILDS (CatalogueProjectTest);
