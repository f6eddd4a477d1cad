// The host as a checker: its contract checks catch a stray add-on, and `virel-host validate`
// fails exactly the checks meant for each deliberately broken add-on.
#include "HostFixture.hpp"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

using namespace VirelTests;

namespace {

// A file of the build as the system's shell names it.
std::string BuildFile (const std::string& name) { return std::filesystem::path (VIREL_BUILD_DIR + name).make_preferred ().string (); }
std::string BrokenAddOn (const std::string& name) { return BuildFile ("/Tests/BrokenAddOns/" + name + ".apx"); }

// The checks that fail of those 'only' names with their details, from `virel-host validate
// --json`, and its last line. The watchdog waits for progress, so a sound check passes however
// loaded or instrumented the machine is, and 15 s without a step ends each check of a hanging
// add-on soon.
std::pair<std::map<std::string, std::string>, std::string> FailingChecks (const std::string& addOn, const std::set<std::string>& only)
{
    std::string names;
    for (const std::string& name : only)
        names += (names.empty () ? "" : ",") + name;
    const std::string command = BuildFile ("/virel-host") + " validate --json --watchdog 15 --addon " + addOn + " --only " + names;
    FILE*             output = popen (command.c_str (), "r");
    std::map<std::string, std::string> failing;
    std::string                        last;
    for (char buffer[65536]; output != nullptr && std::fgets (buffer, sizeof buffer, output) != nullptr;) {
        last = buffer;
        const nlohmann::json line = nlohmann::json::parse (last, nullptr, false);
        if (line.is_object () && line.contains ("check") && !line["passed"].get<bool> ())
            failing[line["check"].get<std::string> ()] = line.value ("detail", "");
    }
    if (output != nullptr)
        pclose (output);
    return { failing, last };
}

// The checks of the contract; each check of behaviour runs for the add-ons broken for it.
const std::set<std::string> Contract = { "entry-misuse", "lifecycle-stress", "fault-sweep",
                                         "bridge-fuzz",  "undo-exact",       "notification-storm" };

struct BrokenCase {
    const char*           addOn;
    std::set<std::string> failing;
    std::set<std::string> run = Contract;   // the checks run for it
};

const BrokenCase brokenCases[] = {
    { "ThrowingPalette", { "lifecycle-stress", "fault-sweep" } },
    { "LeakingPalette", { "entry-misuse", "lifecycle-stress", "fault-sweep", "bridge-fuzz" } },
    { "CrashingOnUnload", { "entry-misuse", "lifecycle-stress", "fault-sweep", "bridge-fuzz", "undo-exact", "notification-storm" } },
    { "HangingPage", { "lifecycle-stress", "fault-sweep", "bridge-fuzz", "undo-exact" } },
    { "DirtyRecord", { "lifecycle-stress", "fault-sweep", "bridge-fuzz", "undo-exact", "notification-storm" } },
    { "SwappedColours", { "catalogue-agrees" }, { "catalogue-agrees", "pick-lifecycle" } },
    { "WrongPaintIndex", { "paint-agrees" }, { "paint-agrees", "pick-lifecycle" } },
    { "LingeringInput", { "pick-lifecycle" }, { "pick-lifecycle", "paint-agrees" } },
    { "KeptContext", { "after-release" }, { "after-release", "notifications-agree" } },
    { "DeafObserver", { "notifications-agree" }, { "notifications-agree", "after-release" } },
};

class BrokenAddOnTest : public ::testing::TestWithParam<BrokenCase> {};

using StrayGetAttribute = GSErrCode (void*, API_Attribute*);

class StrayCallTest : public HostTest {
protected:
    // The host's own slot, as the stray add-on was handed it.
    StrayGetAttribute* LoadStray ()
    {
        host->SetAddOnFile (BrokenAddOn ("StrayCalls"));
        Run (R"({"do":"load"})");
#if defined(_WIN32)
        auto* slotOf = reinterpret_cast<StrayGetAttribute* (*)()> (
            reinterpret_cast<void*> (GetProcAddress (GetModuleHandleA (BrokenAddOn ("StrayCalls").c_str ()), "StrayGetAttributeSlot")));
        return slotOf ();
#else
        void* library = dlopen (BrokenAddOn ("StrayCalls").c_str (), RTLD_NOW | RTLD_NOLOAD);
        auto* slot = reinterpret_cast<StrayGetAttribute* (*)()> (dlsym (library, "StrayGetAttributeSlot")) ();
        dlclose (library);
        return slot;
#endif
    }
    std::vector<std::string> StrayCall (StrayGetAttribute* slot, void* context)
    {
        API_Attribute attribute {};
        attribute.typeID = API_MaterialID;
        attribute.index = 1;
        const std::size_t before = host->Violations ().size ();
        slot (context, &attribute);
        std::vector<std::string> names;
        for (std::size_t i = before; i < host->Violations ().size (); ++i)
            names.push_back (host->Violations ()[i].name);
        return names;
    }
};

}   // namespace

// The real add-on passes every check (the test command validates both builds of it), so any
// other failing check is the validator's mistake.
TEST_P (BrokenAddOnTest, FailsExactlyTheChecksMeantForIt)
{
    const auto [details, last] = FailingChecks (BrokenAddOn (GetParam ().addOn), GetParam ().run);
    std::set<std::string> failing;
    for (const auto& [name, detail] : details)
        failing.insert (name);
    EXPECT_EQ (failing, GetParam ().failing);
    EXPECT_EQ (last,
               std::to_string (GetParam ().run.size () - failing.size ()) + " passed, " + std::to_string (failing.size ()) + " failed\n");
}
INSTANTIATE_TEST_SUITE_P (Each, BrokenAddOnTest, ::testing::ValuesIn (brokenCases),
                          [] (const ::testing::TestParamInfo<BrokenCase>& info) { return std::string (info.param.addOn); });

// A crash in a check is its verdict, named as the system names it.
TEST (ValidateCrashTest, ACrashInACheckFailsItWithTheSystemsNameOfTheCrash)
{
#if defined(_WIN32)
    const std::string crashed = "crashed: 0xC0000005";
#else
    const std::string crashed = "crashed: SIGSEGV";
#endif
    const auto [failing, last] = FailingChecks (BuildFile ("/Tests/CrashingAddOn.apx"), { "entry-misuse" });
    ASSERT_EQ (failing.size (), 1u);
    EXPECT_EQ (failing.begin ()->first, "entry-misuse");
#if !defined(VIREL_SANITIZE)   // AddressSanitizer takes the fault first and ends the process its own way
    EXPECT_EQ (failing.begin ()->second, crashed);
#endif
    EXPECT_EQ (last, "0 passed, 1 failed\n");
}

TEST_P (StrayCallTest, ForeignContextAfterReleaseAndAfterUnloadAreViolations)
{
    ExpectViolation ("foreign-context");
    ExpectViolation ("call-after-release");
    ExpectViolation ("call-after-unload");
    StrayGetAttribute* slot = LoadStray ();
    ASSERT_NE (slot, nullptr);
    EXPECT_EQ (StrayCall (slot, host->ContextPointer ()), std::vector<std::string> {});
    int elsewhere = 0;
    EXPECT_EQ (StrayCall (slot, &elsewhere), std::vector<std::string> { "foreign-context" });
    Run (R"({"do":"entry","name":"ReleaseModule"})");
    EXPECT_EQ (StrayCall (slot, host->ContextPointer ()), std::vector<std::string> { "call-after-release" });
    Run (R"({"do":"unload","release":false})");
    EXPECT_EQ (StrayCall (slot, nullptr), std::vector<std::string> { "call-after-unload" });
}
VIREL_ON_BOTH_BUILDS (StrayCallTest);

// Destroying the palette hands back the project-notification handler.
TEST_P (StrayCallTest, DestroyingThePaletteClearsItsNotifyHandler)
{
    LoadAndOpenPalette ();
    host->CallsQuery ();
    Run (R"({"do":"hostEvent","code":64})");
    const nlohmann::json calls = host->CallsQuery ()["calls"];
    EXPECT_NE (std::find (calls.begin (), calls.end (), "HostClearNotifyHandler"), calls.end ());
}
