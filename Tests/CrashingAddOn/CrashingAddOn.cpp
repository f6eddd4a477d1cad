// An add-on file that crashes its host when described: it lets the command-line host show
// how it reports a crash.
#include "ModuleEntryRecord.hpp"

#include <cstring>

namespace {

// a real access violation (SIGSEGV on Linux, 0xC0000005 on Windows): a write through a null
// pointer the compiler cannot see is null; the sanitizers are to let it through, so that the host
// meets the same crash in every build
int* volatile nowhere = nullptr;

__attribute__ ((no_sanitize ("address", "undefined"))) GSErrCode Crash (API_EnvirParams*)
{
    *nowhere = 1;
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
