// An add-on file that crashes its host when described: it lets the command-line host show
// how it reports a crash.
#include "ModuleEntryRecord.hpp"

#include <csignal>
#include <cstring>

namespace {

GSErrCode Crash (API_EnvirParams*)
{
    std::raise (SIGSEGV);
    return 0;
}

GSErrCode Nothing (void*) { return 0; }
GSErrCode Released () { return 0; }

}   // namespace

extern "C" __attribute__ ((visibility ("default"))) Int32 GetExportedFuncAddrs (ModuleEntryRecord* record)
{
    std::memset (record, 0, sizeof (ModuleEntryRecord));
    record->versionWord = EntryVersionWord (28);
    record->describeModule = &Crash;
    record->registerModuleInterface = &Nothing;
    record->initializeModule = &Nothing;
    record->releaseModule = &Released;
    record->apiVersion = 28000;
    return 0;
}

extern "C" __attribute__ ((visibility ("default"))) Int32 SetImportedFuncAddrs (const void*) { return 0; }
