// The two functions the host looks up by name.
#include "Main/EntryPoints.hpp"
#include "HostApi/HostApi.hpp"
#include "ModuleEntryRecord.hpp"

#include <cstring>

extern "C" __attribute__ ((visibility ("default"))) Int32 GetExportedFuncAddrs (ModuleEntryRecord* record)
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

extern "C" __attribute__ ((visibility ("default"))) Int32 SetImportedFuncAddrs (const void* hostTable)
{
    HostApi::ReceiveTable (hostTable);
    return 0;
}
