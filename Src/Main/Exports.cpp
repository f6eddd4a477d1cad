// The two functions the host looks up by name.
#include "Main/EntryPoints.hpp"
#include "HostApi/HostApi.hpp"
#include "ModuleEntryRecord.hpp"

#include <cstring>

// The module's exports: these two and nothing else. On Windows naming any export keeps the
// linker from exporting everything else.
#if defined(_WIN32)
#define VIREL_EXPORT extern "C" __declspec(dllexport)
#else
#define VIREL_EXPORT extern "C" __attribute__ ((visibility ("default")))
#endif

VIREL_EXPORT Int32 GetExportedFuncAddrs (ModuleEntryRecord* record)
{
    std::memset (record, 0, sizeof (ModuleEntryRecord));
    record->versionWord = EntryVersionWord (VIREL_HOST_API);
    record->describeModule = &DescribeModule;
    record->registerModuleInterface = &RegisterModuleInterface;
    record->initializeModule = &InitializeModule;
    record->releaseModule = &ReleaseModule;
    record->apiVersion = VIREL_HOST_API * 1000;
    return 0;
}

VIREL_EXPORT Int32 SetImportedFuncAddrs (const void* hostTable)
{
    HostApi::ReceiveTable (hostTable);
    return 0;
}
