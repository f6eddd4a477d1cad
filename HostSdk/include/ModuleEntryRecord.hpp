// The record an add-on fills in GetExportedFuncAddrs, and the entry functions it names.
#pragma once

#include "Definitions.hpp"

#include <cstddef>

struct API_EnvirParams;

using DescribeModuleProc = GSErrCode (API_EnvirParams* envir);   // [after the table] returns 2
using RegisterModuleInterfaceProc = GSErrCode (void* unused);
using InitializeModuleProc = GSErrCode (void* hostContext);
using ReleaseModuleProc = GSErrCode ();

struct ModuleEntryRecord {
    UInt32                       versionWord;   // high 16 bits: API major (28 or 27), low 16 bits: 1
    UInt8                        zero1[4];
    DescribeModuleProc*          describeModule;
    RegisterModuleInterfaceProc* registerModuleInterface;
    InitializeModuleProc*        initializeModule;
    ReleaseModuleProc*           releaseModule;
    Int32                        apiVersion;   // 28000 or 27000
    UInt8                        zero2[76];
};

static_assert (sizeof (ModuleEntryRecord) == 120);
static_assert (offsetof (ModuleEntryRecord, describeModule) == 8);
static_assert (offsetof (ModuleEntryRecord, registerModuleInterface) == 16);
static_assert (offsetof (ModuleEntryRecord, initializeModule) == 24);
static_assert (offsetof (ModuleEntryRecord, releaseModule) == 32);
static_assert (offsetof (ModuleEntryRecord, apiVersion) == 40);

constexpr UInt32 EntryVersionWord (Int32 apiMajor) { return UInt32 (apiMajor) << 16 | 1u; }

// The two functions the host looks up by name in an add-on file.
extern "C" {
using GetExportedFuncAddrsProc = Int32 (ModuleEntryRecord* record);
using SetImportedFuncAddrsProc = Int32 (const void* hostTable);
}
constexpr const char* GetExportedFuncAddrsName = "GetExportedFuncAddrs";
constexpr const char* SetImportedFuncAddrsName = "SetImportedFuncAddrs";
