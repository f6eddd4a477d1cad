#include "PageCallFuzzing.hpp"

#include "SimHost/AttributeStore.hpp"
#include "SimHost/Validation.hpp"
#include "SimHost/ValidationSession.hpp"

#include "MemoryManager.hpp"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace VirelFuzz {

namespace {

constexpr UInt64 Seed = 1;

std::string& AddOnFile ()
{
    static std::string file = std::string (VIREL_BUILD_DIR) + "/api28/VirelPalette.apx";
    return file;
}

// The host and the blocks it started with. Under libFuzzer it is never destroyed: the
// instrumented add-on must stay loaded for as long as the fuzzer counts its coverage.
struct FuzzingHost {
    USize                      blocksBeforeLoad = GS::MemoryManager::AllocatedBlocks ();
    SimHost::ValidationSession session { SimHost::ValidationContext { AddOnFile (), Seed } };

    FuzzingHost ()
    {
        SimHost::OpenPaletteInSmallProject (session);
        session.RequireNoViolation ();
        PutProjectBack ();
    }

    void ForgetWhatWasSeen ()
    {
        SimHost::Host& host = session.GetHost ();
        host.GetTranscript ().Clear ();
        host.CallsQuery ();
    }

    // The project as the call found it: painting undone, a fresh material store with the one
    // material, the same GUIDs to come; and the page has read it again, so that the add-on
    // remembers the same catalogue as the page's last before every call.
    void PutProjectBack ()
    {
        SimHost::Host& host = session.GetHost ();
        while (host.Elements ().History ().Undo (host.Elements ()))
            ;
        host.Attributes () = SimHost::AttributeStore ();
        host.Guids () = SimHost::GuidGenerator (Seed);
        session.Run (SimHost::SmallProjectMaterialStep ());
        host.Call ("getMaterials", SimHost::ArgumentKind::None, "");
        ForgetWhatWasSeen ();
    }
};

std::unique_ptr<FuzzingHost>& Fuzzing ()
{
    static std::unique_ptr<FuzzingHost> fuzzing;
    return fuzzing;
}

[[noreturn]] void Finding (const std::string& what)
{
    std::fprintf (stderr, "FINDING: %s\n", what.c_str ());
    std::abort ();
}

std::string Shown (const std::string& argument)
{
    return nlohmann::json (argument.substr (0, 120)).dump (-1, ' ', true, nlohmann::json::error_handler_t::replace);
}

}   // namespace

std::string AddOnFromArguments (int argc, char** argv)
{
    const std::string flag = "--addon=";
    for (int i = 1; i < argc; ++i)
        if (std::string (argv[i]).rfind (flag, 0) == 0)
            return std::string (argv[i]).substr (flag.size ());
    return AddOnFile ();
}

void UseAddOn (const std::string& addOnFile) { AddOnFile () = addOnFile; }

int FuzzPageCall (const char* function, const std::uint8_t* data, std::size_t size, OutcomeCheck check)
{
    const std::string argument (reinterpret_cast<const char*> (data), size);
    try {
        if (Fuzzing () == nullptr)
            Fuzzing () = std::make_unique<FuzzingHost> ();
        FuzzingHost&   fuzzing = *Fuzzing ();
        SimHost::Host& host = fuzzing.session.GetHost ();
        const USize    blocks = GS::MemoryManager::AllocatedBlocks ();
        try {
            host.Call (function, SimHost::ArgumentKind::String, argument);
        } catch (const std::exception& e) {
            Finding (std::string (function) + " with " + Shown (argument) + ": reached the host: " + e.what ());
        }
        const std::vector<SimHost::Line> lines = host.GetTranscript ().Lines ();
        SimHost::RequireDocumentedOutcome (lines, function);
        std::vector<SimHost::Line> outcome = SimHost::LinesWith (lines, "result");
        for (const SimHost::Line& line : SimHost::LinesWith (lines, "exception"))
            outcome.push_back (line);
        SimHost::Require (outcome.size () == 1, std::string (function) + ": " + std::to_string (outcome.size ()) + " outcomes");
        check (host, outcome.front ());
        host.RunEventLoop ();
        fuzzing.session.RequireNoViolation ();
        fuzzing.PutProjectBack ();
        const USize after = GS::MemoryManager::AllocatedBlocks ();
        SimHost::Require (after == blocks,
                          std::to_string (after) + " blocks allocated after the call, " + std::to_string (blocks) + " before");
    } catch (const std::exception& failed) {
        Finding (std::string (function) + " with " + Shown (argument) + ": " + failed.what ());
    }
    return 0;
}

void FinishFuzzing ()
{
    if (Fuzzing () == nullptr)
        return;
    try {
        Fuzzing ()->session.RequireBlocksBackAt (Fuzzing ()->blocksBeforeLoad, "after the add-on was unloaded");
    } catch (const SimHost::CheckFailed& failed) {
        Finding (failed.what ());
    }
    Fuzzing ().reset ();
}

void RequireNoValue (const SimHost::Line& outcome, const char* function)
{
    SimHost::Require (!outcome.contains ("result") || outcome["result"].is_null (), std::string (function) + " returned a value");
}

bool IsJsonLibraryError (const SimHost::Line& outcome)
{
    return outcome.contains ("exception") && outcome["exception"].get<std::string> ().rfind ("[json.exception.", 0) == 0;
}

}   // namespace VirelFuzz
