// entry-misuse and lifecycle-stress: the entry functions out of order, and whole sessions
// one after another.
#include "ValidationChecks.hpp"
#include "SimHost/ValidationSession.hpp"

#include "MemoryManager.hpp"

namespace SimHost {

namespace {

constexpr int StressSessions = 50;

GSErrCode Entry (Host& host, EntryFunction entry) { return host.CallEntry (entry); }

void RequireCode (GSErrCode got, GSErrCode wanted, const std::string& what)
{
    Require (got == wanted, what + " returned " + CodeText (got) + ", not " + CodeText (wanted));
}

}   // namespace

void CheckEntryMisuse (const ValidationContext& context)
{
    const USize       blocks = GS::MemoryManager::AllocatedBlocks ();
    ValidationSession session (context);
    Host&             host = session.GetHost ();
    // before the table: DescribeModule does nothing and returns 0, the others APIERR_GENERAL
    host.Open (context.addOn);
    for (int round = 0; round < 2; ++round) {
        RequireCode (Entry (host, EntryFunction::DescribeModule), 0, "DescribeModule before the table");
        for (EntryFunction entry :
             { EntryFunction::RegisterModuleInterface, EntryFunction::InitializeModule, EntryFunction::ReleaseModule })
            RequireCode (Entry (host, entry), APIERR_GENERAL, std::string (EntryFunctionName (entry)) + " before the table");
    }
    // each entry twice, in order: the second call answers as the first
    host.HandTable ();
    for (EntryFunction entry : { EntryFunction::DescribeModule, EntryFunction::RegisterModuleInterface, EntryFunction::InitializeModule }) {
        const GSErrCode first = Entry (host, entry);
        RequireCode (Entry (host, entry), first, std::string (EntryFunctionName (entry)) + " twice");
    }
    session.Run (R"({"do":"menu","list":32500,"item":1})");
    // after release: releasing again, and a new start, answer as before
    RequireCode (Entry (host, EntryFunction::ReleaseModule), 0, "ReleaseModule");
    RequireCode (Entry (host, EntryFunction::ReleaseModule), 0, "ReleaseModule after release");
    RequireCode (Entry (host, EntryFunction::DescribeModule), 2, "DescribeModule after release");
    host.Unload (false);
    session.RequireBlocksBackAt (blocks, "after the misuse");
}

void CheckLifecycleStress (const ValidationContext& context)
{
    const USize       blocks = GS::MemoryManager::AllocatedBlocks ();
    ValidationSession session (context);
    for (int round = 0; round < StressSessions; ++round) {
        RunFullSession (session, round == 0, false);
        session.RequireBlocksBackAt (blocks, "after session " + std::to_string (round + 1));
    }
}

}   // namespace SimHost
