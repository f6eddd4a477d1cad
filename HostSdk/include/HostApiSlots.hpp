// The host function table: one row per host operation. The add-on's forwarding functions,
// the host's table filler, its call log and its fault injector all expand these lists, so a
// slot cannot be wrong on one side only.
//
// Columns: name, the operation's own signature (without the host context), how it is
// called, its slot offset in the API 28 table, in the API 27 table (-1: not in that table),
// and what the add-on's forwarder returns when the slot is empty.
//   Context: the host context (the argument of InitializeModule) goes first.
//   Bare:    no host context.
//
// Every operation is called by the add-on on the host's UI thread, after SetImportedFuncAddrs;
// Context operations after InitializeModule. The note on each row says when else it may be
// called and who owns what it hands back; records passed in stay the caller's unless it says
// otherwise.
#pragma once

#include "ApiErrors.hpp"
#include "AttributeRecords.hpp"
#include "ElementRecords.hpp"
#include "EventHandlers.hpp"
#include "InputRecords.hpp"
#include "InterfaceRecords.hpp"

#include <functional>

namespace Modeler {
class Sight;
class IAttributeReader;
}   // namespace Modeler
namespace ModelerAPI {
class Model;
}

// A four-character selector, its first letter in the most significant byte.
constexpr UInt32 FourCC (const char (&text)[5])
{
    return UInt32 (UInt8 (text[0])) << 24 | UInt32 (UInt8 (text[1])) << 16 | UInt32 (UInt8 (text[2])) << 8 | UInt8 (text[3]);
}

// The body of an undoable command: runs once, inside the command, before it returns.
using API_UndoableCommandBody = std::function<GSErrCode ()>;

// clang-format off
#define VIREL_HOST_OPERATIONS(X)                                                                                           \
    /* lifecycle and palette */                                                                                            \
    /* [RegisterModuleInterface only] The host copies the record; the caller keeps it. */                                   \
    X (HostRegisterMenu, GSErrCode (const API_MenuRecord*), Bare, 64, 5176, APIERR_NOTSUPPORTED)                           \
    /* [RegisterModuleInterface only] Numbers only; nothing changes hands. */                                               \
    X (HostRegisterModuleCommand, GSErrCode (Int32 command, Int32 version), Bare, 216, 5016, APIERR_NOTSUPPORTED)          \
    /* [InitializeModule] The handler is the add-on's code; the host calls it until unload. */                               \
    X (HostInstallMenuHandler, GSErrCode (Int16 menuResId, APIMenuCommandProc*), Context, 368, 4856, APIERR_NOTSUPPORTED)   \
    /* [InitializeModule] As the menu handler; runs from the host's event loop. */                                                                 \
    X (HostInstallModuleCommandHandler, GSErrCode (Int32 command, Int32 version, APIModuleCommandProc*), Context, 520, 4696, APIERR_NOTSUPPORTED) \
    /* [InitializeModule] The host copies the record; the callback stays the add-on's. */                                   \
    X (HostRegisterModelessWindow, GSErrCode (const API_PaletteRegistration*), Context, 672, 4536, APIERR_NOTSUPPORTED)    \
    /* [after InitializeModule] A flag; nothing changes hands. */                                                           \
    X (HostKeepModuleLoaded, void (bool keep), Context, 824, 4376, void ())                                                \
    /* [after InitializeModule] One registration per add-on, replaced by a later call; the host drops it at unload. */      \
    X (HostCatchEvents, GSErrCode (Int32 eventMask, APIEventHandlerProc*), Context, 976, 4216, APIERR_NOTSUPPORTED)        \
    /* [after InitializeModule] Clears a notify handler; never the HostCatchEvents registration. */                         \
    X (HostClearNotifyHandler, GSErrCode (APIProjectNotifyHandlerProc*), Context, 1128, 4056, APIERR_NOTSUPPORTED)         \
    /* [after InitializeModule] The host takes 'handler' in every case, also when it fails, and destroys it before unload; the id is written into the caller's GUID. */ \
    X (HostRegisterEventHandler, GSErrCode (API_IEventHandler* handler, GS::Guid* registrationId), Context, 1280, 3896, APIERR_NOTSUPPORTED) \
    /* [after InitializeModule] Queues the module's own command for the event loop; 'params' stays the caller's. */                                                                          \
    X (HostCallModuleCommandDeferred, GSErrCode (const API_ModulID*, Int32 command, Int32 version, GSHandle params, bool silent, void* callback), Context, 1432, 3736, APIERR_NOTSUPPORTED) \
    /* material attributes and their folders */                                                                            \
    /* [after InitializeModule] Fills the caller's zeroed record (type and GUID or index set); nothing to free. */          \
    X (HostGetAttribute, GSErrCode (API_Attribute*), Context, 1584, 3576, APIERR_NOTSUPPORTED)                             \
    /* [after InitializeModule] The host copies the record and writes the new index and GUID back into it. */               \
    X (HostCreateAttribute, GSErrCode (API_Attribute*, void* definitions), Context, 1736, 3416, APIERR_NOTSUPPORTED)       \
    /* [after InitializeModule] Reads the caller's list; nothing changes hands. */                                                      \
    X (HostDeleteAttributes, GSErrCode (Int32 typeID, const GS::Array<API_AttributeIndex>*), Context, 1888, 3256, APIERR_NOTSUPPORTED) \
    /* [after InitializeModule] Completes the caller's folder record (GUID by path); the arrays in it stay the caller's. */ \
    X (HostGetAttributeFolder, GSErrCode (API_AttributeFolder*), Context, 2040, 3096, APIERR_NOTSUPPORTED)                 \
    /* [after InitializeModule] Makes the folder and any missing parents; writes its GUID into the caller's record. */      \
    X (HostCreateAttributeFolder, GSErrCode (API_AttributeFolder*), Context, 2192, 2936, APIERR_NOTSUPPORTED)              \
    /* [after InitializeModule] Reads the caller's lists and target; nothing changes hands. */                                                                                                                    \
    X (HostMoveToAttributeFolder, GSErrCode (const GS::Array<API_AttributeFolder>* folders, const GS::Array<GS::Guid>* attributes, const API_AttributeFolder* target), Context, 2344, 2776, APIERR_NOTSUPPORTED) \
    /* [after SetImportedFuncAddrs] Fills the caller's content record; its arrays are the caller's from then on. */                                \
    X (HostGetAttributeFolderContent, GSErrCode (const API_AttributeFolder*, API_AttributeFolderContent*), Bare, 2496, 2616, APIERR_NOTSUPPORTED) \
    /* elements and undo */                                                                                                \
    /* [after InitializeModule] Fills the caller's header (GUID set); nothing to free. */                                   \
    X (HostGetElementHeader, GSErrCode (API_ElementHeader*, UInt32 mask), Context, 2648, 2456, APIERR_NOTSUPPORTED)        \
    /* [after InitializeModule] Fills the caller's zeroed record (GUID set); nothing to free. */                            \
    X (HostGetElement, GSErrCode (API_Element*, UInt32 mask), Context, 2800, 2296, APIERR_NOTSUPPORTED)                    \
    /* [after InitializeModule, not inside another command] Runs 'body' once before it returns, as one undo step named 'name'. */                      \
    X (HostCallUndoableCommand, GSErrCode (const GS::UniString* name, const API_UndoableCommandBody* body), Context, 2952, 2136, APIERR_NOTSUPPORTED) \
    /* [inside HostCallUndoableCommand only] Changes the fields the mask marks; both records stay the caller's. */                                                         \
    X (HostChangeElement, GSErrCode (API_Element* element, const API_Element* mask, void* memo, UInt32 memoMask, bool withdel), Context, 3104, 1976, APIERR_NOTSUPPORTED) \
    /* picking and the 3D model */                                                                                         \
    /* [after InitializeModule] Writes the element type of a pick kind into the caller's record. */                         \
    X (HostGetPickElementType, GSErrCode (Int32 pickKind, API_ElemType*), Context, 3256, 1816, APIERR_NOTSUPPORTED)        \
    /* [after InitializeModule] The sight is the host's: hand it back with HostReleaseSight, never delete it. */            \
    X (HostGetSight, GSErrCode (Modeler::Sight** sight), Context, 3408, 1656, APIERR_NOTSUPPORTED)                         \
    /* [after HostGetSight] Gives back the sight HostGetSight handed out. */                                                \
    X (HostReleaseSight, GSErrCode (Modeler::Sight* sight), Context, 3560, 1496, APIERR_NOTSUPPORTED)                      \
    /* [after SetImportedFuncAddrs] The reader is the caller's, who deletes it. */                                          \
    X (HostCreateAttributeReader, Modeler::IAttributeReader* (), Bare, 3712, 1336, nullptr)                                \
    /* [API 28, after InitializeModule] Marks the caller's model as one the host may fill; nothing changes hands. */ \
    X (HostPrepareModel, GSErrCode (ModelerAPI::Model*), Context, 3864, -1, APIERR_NOTSUPPORTED)
// clang-format on

// Operations that share a slot: the slot is a C variadic function (host context, selector, ...)
// and the selector, four characters read from the most significant byte down, picks the
// operation. Columns: name, own signature, selector, slot offset in API 28, in API 27, empty result.
// clang-format off
#define VIREL_HOST_SELECTOR_OPERATIONS(X)                                                                                  \
    /* [after InitializeModule] Fills the caller's zeroed record. */                                                                 \
    X (HostGetCurrentWindow, GSErrCode (API_WindowInfo*), FourCC ("GWIN"), 4016, 1176, APIERR_NOTSUPPORTED)                         \
    /* [after InitializeModule, from a module command, one at a time] Waits for the user's click in a nested event loop; fills the caller's record. */ \
    X (APIIo_GetPointID, GSErrCode (API_GetPointType*, void*, void*, void*, void*), FourCC ("IPOI"), 4168, 1016, APIERR_NOTSUPPORTED) \
    /* [any time after InitializeModule] Ends a waiting point input as cancelled; nothing when none waits. */                        \
    X (HostCancelInput, GSErrCode (), FourCC ("INCA"), 4168, 1016, APIERR_NOTSUPPORTED)                                             \
    /* [after InitializeModule] Fills the caller's record. */                                                                        \
    X (HostGetToolboxMode, GSErrCode (API_ToolBoxItem*), FourCC ("GTBX"), 4320, 856, APIERR_NOTSUPPORTED)                           \
    /* [after InitializeModule] Reads the caller's record. */                                                                        \
    X (HostSetToolboxMode, GSErrCode (API_ToolBoxItem*), FourCC ("STBX"), 4320, 856, APIERR_NOTSUPPORTED)                           \
    /* [after InitializeModule] Writes the type into the caller's record and the GUID found (null: none). */                              \
    X (HostSearchElementAtPoint, GSErrCode (API_SearchElementRecord*, GS::Guid* found), FourCC ("SELM"), 4472, 696, APIERR_NOTSUPPORTED) \
    /* [after InitializeModule] Writes the face kind of a polygon of the element; nothing when it has no such polygon. */                        \
    X (HostGetPolygonFaceKind, GSErrCode (const API_Element*, Int32 polygonId, Int32* faceKind), FourCC ("PI2S"), 4472, 696, APIERR_NOTSUPPORTED)
// clang-format on

// Shows a message to the user (withDialog) in printf style: a C variadic slot (host context,
// format, withDialog, ...). An empty slot makes the forwarder return 0.
// [after InitializeModule] The host copies the text; nothing changes hands.
// clang-format off
#define VIREL_HOST_REPORT_OPERATION(X) X (HostWriteReport, 4624, 376, NoError)
// clang-format on

static_assert (FourCC ("GTBX") == 0x47544258);
