// Host records of the add-on's interface: environment, menus, palettes, module commands,
// the front window and the toolbox.
#pragma once

#include "Guid.hpp"
#include "UniString.hpp"

#include <cstddef>

// Filled by DescribeModule: the add-on's name and description.
struct API_EnvirParams {
    UInt8         reserved1[48];
    GS::UniString addOnName;
    GS::UniString addOnDescription;
    UInt8         reserved2[48];
};
static_assert (sizeof (API_EnvirParams) == 128);
static_assert (offsetof (API_EnvirParams, addOnName) == 48);
static_assert (offsetof (API_EnvirParams, addOnDescription) == 64);

struct API_MenuRecord {
    Int16 menuResId;     // string list of the menu
    Int16 promptResId;   // a second string list, 0 for none
    Int32 flags1;
    Int32 flags2;
    UInt8 reserved[20];
};
static_assert (sizeof (API_MenuRecord) == 32);
static_assert (offsetof (API_MenuRecord, promptResId) == 2);
static_assert (offsetof (API_MenuRecord, flags1) == 4);
static_assert (offsetof (API_MenuRecord, flags2) == 8);

struct API_MenuParams {
    Int16 menuResId;
    Int16 reserved1;
    Int32 itemIndex;   // 1-based
    UInt8 reserved2[16];
};
static_assert (sizeof (API_MenuParams) == 24);
static_assert (offsetof (API_MenuParams, itemIndex) == 4);

using APIMenuCommandProc = GSErrCode (const API_MenuParams* params);
using APIModuleCommandProc = GSErrCode (GSHandle params, GSPtr resultData, bool silentMode);
// Palette control: reference number, message, for message 7 a bool* result.
using APIPaletteControlCallBackProc = GSErrCode (Int32 referenceNumber, Int32 message, bool* result);
using APIEventHandlerProc = GSErrCode (Int32 eventCode);
// A project notification handler: a kind of its own, cleared by HostClearNotifyHandler.
using APIProjectNotifyHandlerProc = GSErrCode (Int32 notification, Int32 parameter);

struct API_PaletteRegistration {
    UInt32                         referenceNumber;
    UInt8                          reserved1[4];
    APIPaletteControlCallBackProc* controlCallback;
    Int32                          flags;
    GS::Guid                       paletteGuid;
    UInt8                          reserved2[44];
};
static_assert (sizeof (API_PaletteRegistration) == 80);
static_assert (offsetof (API_PaletteRegistration, controlCallback) == 8);
static_assert (offsetof (API_PaletteRegistration, flags) == 16);
static_assert (offsetof (API_PaletteRegistration, paletteGuid) == 20);

// Identifies an add-on to the host: the two values of its module identifier resource.
struct API_ModulID {
    UInt32 developerId;
    UInt32 localId;
};
static_assert (sizeof (API_ModulID) == 8);

struct API_WindowInfo {
    Int32 typeID;   // 4: the 3D window
    UInt8 reserved[44];
};
static_assert (sizeof (API_WindowInfo) == 48);
constexpr Int32 API_3DWindowType = 4;
constexpr Int32 API_PlanWindowType = 1;

struct API_ToolBoxItem {
    Int32 typeID;
    Int32 variationID;
    UInt8 reserved[24];
};
static_assert (sizeof (API_ToolBoxItem) == 32);
