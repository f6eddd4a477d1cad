// The add-on's start and end as the host drives them: entry record, table, entry functions,
// registration, release and unload.
#include "HostFixture.hpp"

#include <filesystem>

using namespace VirelTests;

namespace {

class LifecycleTest : public HostTest {};

TEST_P (LifecycleTest, EntryRecordNamesTheBuildsApiAndNothingElse)
{
    const std::vector<nlohmann::json> lines = RunLines (R"({"do":"open"})");
    ASSERT_EQ (lines.size (), 1u);
    const nlohmann::json& record = lines[0]["entryRecord"];
    EXPECT_EQ (record["version"], Api () == 28 ? "0x001C0001" : "0x001B0001");
    EXPECT_EQ (record["apiVersion"], Api () * 1000);
    EXPECT_EQ (record["otherBytesZero"], true);
}

TEST_P (LifecycleTest, LoadDescribesRegistersAndInitialises)
{
    const std::vector<std::string> lines = Run (R"({"do":"load"})");
    const std::vector<std::string> expected = {
        Api () == 28 ? R"({"entryRecord":{"version":"0x001C0001","apiVersion":28000,"otherBytesZero":true}})"
                     : R"({"entryRecord":{"version":"0x001B0001","apiVersion":27000,"otherBytesZero":true}})",
        R"({"entry":"DescribeModule","returned":"0x00000002"})",
        R"({"described":{"name":"Virel Colour Palette","description":"Access all of Virel’s products, streamline your workflow, and bring projects to life with authentic Virel colours."}})",
        R"({"entry":"RegisterModuleInterface","returned":"0x00000000"})",
        R"({"entry":"InitializeModule","returned":"0x00000000"})",
    };
    EXPECT_EQ (lines, expected);
    ASSERT_EQ (host->Registrations ().menus.size (), 1u);
    const API_MenuRecord& menu = host->Registrations ().menus[0];
    EXPECT_EQ (menu.menuResId, 32500);
    EXPECT_EQ (menu.promptResId, 0);
    EXPECT_EQ (menu.flags1, 0);
    EXPECT_EQ (menu.flags2, 0);
    const std::vector<std::pair<Int32, Int32>> commands = { { 16976, 1 } };
    EXPECT_EQ (host->Registrations ().moduleCommands, commands);
    EXPECT_EQ (host->Registrations ().moduleCommandHandlers.count ({ 16976, 1 }), 1u);
    EXPECT_EQ (host->Registrations ().menuHandlers.count (32500), 1u);
}

TEST_P (LifecycleTest, EntriesBeforeTheTableDoNothing)
{
    const std::vector<std::string> lines = Run (R"({"do":"open"}
{"do":"calls"}
{"do":"entry","name":"DescribeModule"}
{"do":"entry","name":"RegisterModuleInterface"}
{"do":"entry","name":"InitializeModule"}
{"do":"entry","name":"ReleaseModule"}
{"do":"calls"})");
    const std::vector<std::string> expected = {
        R"({"calls":[]})",
        R"({"entry":"DescribeModule","returned":"0x00000000"})",
        R"({"entry":"RegisterModuleInterface","returned":"0x81060001"})",
        R"({"entry":"InitializeModule","returned":"0x81060001"})",
        R"({"entry":"ReleaseModule","returned":"0x81060001"})",
        R"({"calls":[]})",
    };
    EXPECT_EQ (std::vector<std::string> (lines.begin () + 1, lines.end ()), expected);
}

struct FailingStep {
    const char*              operation;
    const char*              entry;
    std::vector<std::string> callsOfEntry;   // host operations the entry reached
};

class FailingRegistrationTest : public HostTest {};

// A failing registration step returns the host's code and stops its entry's sequence.
TEST_P (FailingRegistrationTest, StopsTheSequenceWithTheHostsCode)
{
    const FailingStep steps[] = {
        { "HostRegisterMenu", "RegisterModuleInterface", { "HostRegisterMenu" } },
        { "HostRegisterModuleCommand", "RegisterModuleInterface", { "HostRegisterMenu", "HostRegisterModuleCommand" } },
        { "HostInstallMenuHandler", "InitializeModule", { "HostInstallMenuHandler" } },
        { "HostRegisterModelessWindow", "InitializeModule", { "HostInstallMenuHandler", "HostRegisterModelessWindow" } },
        { "HostInstallModuleCommandHandler",
          "InitializeModule",
          { "HostInstallMenuHandler", "HostRegisterModelessWindow", "HostInstallModuleCommandHandler" } },
    };
    for (const FailingStep& step : steps) {
        SCOPED_TRACE (step.operation);
        Restart ();
        host->Open (host->AddOnFile ());
        host->GetFaults ().Fail (*SimHost::OperationByName (step.operation), GSErrCode (0x81060068u), std::nullopt);
        host->HandTable ();
        if (std::string (step.entry) == "InitializeModule")
            host->CallEntry (SimHost::EntryFunction::RegisterModuleInterface);
        Calls ();
        const GSErrCode result = host->CallEntry (*SimHost::EntryFunctionByName (step.entry));
        EXPECT_EQ (result, GSErrCode (0x81060068u));
        EXPECT_EQ (Calls (), step.callsOfEntry);   // the registration's own order: the failing step is the last
    }
}

TEST_P (LifecycleTest, EmptySlotsGiveNotSupported)
{
    for (const char* operation : { "HostRegisterMenu", "HostRegisterModuleCommand" }) {
        SCOPED_TRACE (operation);
        Restart (R"({"do":"emptySlot","op":")" + std::string (operation) + R"("})");
        host->Open (host->AddOnFile ());
        host->HandTable ();
        EXPECT_EQ (host->CallEntry (SimHost::EntryFunction::RegisterModuleInterface), APIERR_NOTSUPPORTED);
    }
}

TEST_P (LifecycleTest, AnEmptyReportSlotShowsNothingAndTheCallGoesOn)
{
    const std::string project =
        R"({"do":"addMaterial","path":["Surfaces","Virel"],"name":"Unreadable","rgb":[1,0,0],"guid":"0A0B0C0D-0000-4000-8000-000000000001"}
{"do":"breakMaterial","guid":"0A0B0C0D-0000-4000-8000-000000000001"}
{"do":"menu","list":32500,"item":1}
{"do":"call","fn":"getMaterials"})";
    const std::string emptyCatalogue = ResultLine (R"({"folders":[],"path":"Surfaces/Virel/","surfaces":[]})");
    for (bool empty : { false, true }) {
        SCOPED_TRACE (empty);
        Restart (std::string (empty ? R"({"do":"emptySlot","op":"HostWriteReport"})"
                                      "\n"
                                    : "") +
                 R"({"do":"load"})");
        const std::vector<std::string> lines = Run (project);
        EXPECT_EQ (Only (lines, "report").size (), empty ? 0u : 1u);
        EXPECT_EQ (lines.back (), emptyCatalogue);
    }
}

TEST_P (LifecycleTest, AnEmptyAttributeReaderSlotStillPaints)
{
    Run (R"({"do":"emptySlot","op":"HostCreateAttributeReader"}
{"do":"load"}
{"do":"addMaterial","path":["Surfaces","Virel"],"name":"Chalk","rgb":[1,1,1],"guid":"0A0B0C0D-0000-4000-8000-000000000002"}
{"do":"addElement","type":1,"bodies":[["0x4002"]],"guid":"0A0B0C0D-0000-4000-8000-0000000000E1"}
{"do":"window","type":"3d"}
{"do":"menu","list":32500,"item":1})");
    Run (
        R"({"do":"call","fn":"paintElement","arg":"{\"elementId\":\"0A0B0C0D-0000-4000-8000-0000000000E1\",\"elementIndex\":1,\"materialId\":\"0A0B0C0D-0000-4000-8000-000000000002\",\"bodyIndex\":1,\"polygonIndex\":1}"})");
    const std::vector<nlohmann::json> element = RunLines (R"({"do":"element","guid":"0A0B0C0D-0000-4000-8000-0000000000E1"})");
    ASSERT_EQ (element.size (), 1u);
    EXPECT_EQ (element[0]["element"]["slots"]["184"], nlohmann::json::array ({ 1, 1 }));
}

TEST_P (LifecycleTest, AnEmptyKeepLoadedSlotStillOpensThePalette)
{
    Run (R"({"do":"emptySlot","op":"HostKeepModuleLoaded"})");
    LoadAndOpenPalette ();
    EXPECT_FALSE (host->Registrations ().keepLoaded);
    EXPECT_EQ (host->PaletteQuery ()["palette"]["visible"], true);
}

TEST_P (LifecycleTest, PaletteCreationKeepsTheModuleLoaded)
{
    LoadAndOpenPalette ();
    EXPECT_TRUE (host->Registrations ().keepLoaded);
}

TEST_P (LifecycleTest, UnloadWithoutReleaseWritesTheAbnormalTerminationLine)
{
    Run (R"({"do":"load"})");
    const std::vector<std::string> lines = Run (R"({"do":"unload","release":false})");
    // the module's path as the system's loader gives it (on Windows with backslashes)
    const std::string path = std::filesystem::path (AddOnPath (Api ())).make_preferred ().string ();
    const std::string expected = nlohmann::json ({ { "debug", "Abnormal add-on termination (\"" + path + "\")\n" } }).dump ();
    EXPECT_EQ (lines, std::vector<std::string> { expected });
}

TEST_P (LifecycleTest, UnloadAfterReleaseWritesNoDebugLine)
{
    for (const char* opening : { "", R"({"do":"menu","list":32500,"item":1})" }) {
        Restart (std::string (R"({"do":"load"})") + "\n" + opening);
        EXPECT_EQ (Run (R"({"do":"unload"})"), std::vector<std::string> { R"({"entry":"ReleaseModule","returned":"0x00000000"})" });
    }
}

TEST_P (LifecycleTest, UnloadDestroysAHeldPaletteAndFreesEverything)
{
    for (bool release : { true, false }) {
        SCOPED_TRACE (release);
        Restart ();
        const USize blocksBefore = GS::MemoryManager::AllocatedBlocks ();
        LoadAndOpenPalette ();
        host->Unload (release);
        EXPECT_EQ (host->HeldPalette (), nullptr);
        EXPECT_EQ (host->PaletteQuery ().dump (), R"({"palette":{"exists":false}})");
        // no page line runs at unload: only creation's and showing's
        EXPECT_EQ (Only (Transcript (), "page").size (), 3u);
        EXPECT_EQ (GS::MemoryManager::AllocatedBlocks (), blocksBefore);
    }
}

TEST_P (LifecycleTest, ReleaseLeavesThePaletteAlone)
{
    LoadAndOpenPalette ();
    const std::vector<std::string> lines = Run (R"({"do":"entry","name":"ReleaseModule"}
{"do":"palette"})");
    ASSERT_EQ (lines.size (), 2u);
    EXPECT_EQ (lines[0], R"({"entry":"ReleaseModule","returned":"0x00000000"})");
    EXPECT_EQ (nlohmann::json::parse (lines[1])["palette"]["visible"], true);
}

VIREL_ON_BOTH_BUILDS (LifecycleTest);
VIREL_ON_BOTH_BUILDS (FailingRegistrationTest);

}   // namespace
