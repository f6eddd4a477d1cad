// fault-sweep: every host operation a whole session calls, failing, then with its slot empty.
#include "ValidationChecks.hpp"
#include "SimHost/ValidationSession.hpp"

#include "MemoryManager.hpp"

#include <set>

namespace SimHost {

namespace {

enum class FaultKind { Failing, EmptySlot };

// What the add-on made must stay within reach of the page: every material it created is
// filed below the catalogue root.
void RequireMaterialsInCatalogue (ValidationSession& session, const std::set<std::string>& before, const std::string& when)
{
    for (const auto& [guid, path] : session.Materials ()) {
        const bool listed = path.size () >= 2 && path[0] == "Surfaces" && path[1] == "Virel";
        Require (before.count (guid) != 0 || listed, when + ": material " + guid + " was created outside the catalogue");
    }
}

void RunWithFault (const ValidationContext& context, HostOperation operation, FaultKind kind, USize blocks)
{
    const std::string when = std::string (OperationName (operation)) + (kind == FaultKind::Failing ? " failing" : " with its slot empty");
    ValidationSession session (context);
    Host&             host = session.GetHost ();
    if (kind == FaultKind::Failing)
        host.GetFaults ().Fail (operation, APIERR_GENERAL, std::nullopt);
    else
        host.GetFaults ().EmptySlot (operation);
    try {
        RunFullSession (session, true, true);
    } catch (const CheckFailed&) {
        throw;
    } catch (const std::exception& e) {
        throw CheckFailed (when + ": " + e.what ());
    }
    RequireMaterialsInCatalogue (session, {}, when);
    session.RequireNoViolation ();
    try {
        session.RequireBlocksBackAt (blocks, when);
    } catch (const CheckFailed& e) {
        throw CheckFailed (when + ": " + e.what ());
    }
}

}   // namespace

void CheckFaultSweep (const ValidationContext& context)
{
    const USize           blocks = GS::MemoryManager::AllocatedBlocks ();
    std::set<std::string> called;
    {
        ValidationSession session (context);
        RunFullSession (session, true, false);
        session.GetHost ().Unload (true);
        const Line calls = session.GetHost ().CallsQuery ();
        for (const auto& name : calls["calls"])
            called.insert (name.get<std::string> ());
        session.RequireNoViolation ();
    }
    Require (!called.empty (), "the session called no host operation");
    for (const std::string& name : called)
        for (FaultKind kind : { FaultKind::Failing, FaultKind::EmptySlot })
            RunWithFault (context, *OperationByName (name), kind, blocks);
}

}   // namespace SimHost
