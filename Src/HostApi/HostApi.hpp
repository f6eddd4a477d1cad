// The add-on's copy of the host function table and one forwarding function per host
// operation. Nothing else in the add-on touches the table. [host's UI thread]
#pragma once

#include "HostFunctionTable.hpp"

#include <utility>

#ifndef VIREL_HOST_API
#error "VIREL_HOST_API (28 or 27) must be defined"
#endif

namespace HostApi {

// [SetImportedFuncAddrs] Copies the host's table, as many bytes as this build's API has.
void ReceiveTable (const void* hostTable);
bool TableReceived ();

// [InitializeModule .. ReleaseModule] The host context passed first to most operations.
void  SetContext (void* hostContext);
void* Context ();

void* ReadTableSlot (Int32 offset);

template <class Signature> struct SlotTypes;
template <class R, class... A> struct SlotTypes<R (A...)> {
    using Result = R;
    using Context = R (*) (void*, A...);
    using Bare = R (*) (A...);
};

}   // namespace HostApi

#define VIREL_SLOT_OFFSET(offset28, offset27) (VIREL_HOST_API == 27 ? (offset27) : (offset28))

// Read the slot; an empty slot returns the operation's empty result without calling anything;
// otherwise the host's result comes back unchanged.
#define VIREL_CALL_Context(slot, ...) slot (HostApi::Context () __VA_OPT__ (, ) __VA_ARGS__)
#define VIREL_CALL_Bare(slot, ...) slot (__VA_ARGS__)

#define VIREL_DEFINE_FORWARDER(name, signature, call, offset28, offset27, empty)                              \
    template <class... Arguments>                                                                            \
    inline typename HostApi::SlotTypes<signature>::Result name (Arguments&&... arguments)                   \
    {                                                                                                        \
        auto slot = reinterpret_cast<typename HostApi::SlotTypes<signature>::call> (                         \
            HostApi::ReadTableSlot (VIREL_SLOT_OFFSET (offset28, offset27)));                                \
        if (slot == nullptr)                                                                                 \
            return empty;                                                                                    \
        return VIREL_CALL_##call (slot, std::forward<Arguments> (arguments)...);                             \
    }

#define VIREL_DEFINE_SELECTOR_FORWARDER(name, signature, selector, offset28, offset27, empty)                 \
    template <class... Arguments>                                                                            \
    inline GSErrCode name (Arguments&&... arguments)                                                         \
    {                                                                                                        \
        auto slot = reinterpret_cast<HostSharedSlotProc*> (HostApi::ReadTableSlot (VIREL_SLOT_OFFSET (offset28, offset27))); \
        if (slot == nullptr)                                                                                 \
            return empty;                                                                                    \
        return slot (HostApi::Context (), selector, std::forward<Arguments> (arguments)...);                 \
    }

#define VIREL_DEFINE_REPORT_FORWARDER(name, offset28, offset27, empty)                                        \
    template <class... Arguments>                                                                            \
    inline GSErrCode name (const char* format, bool withDialog, Arguments&&... arguments)                   \
    {                                                                                                        \
        auto slot = reinterpret_cast<HostWriteReportSlotProc*> (HostApi::ReadTableSlot (VIREL_SLOT_OFFSET (offset28, offset27))); \
        if (slot == nullptr)                                                                                 \
            return empty;                                                                                    \
        return slot (HostApi::Context (), format, withDialog, std::forward<Arguments> (arguments)...);       \
    }

// Whether the host filled an operation's slot. An operation that takes ownership of what it is
// passed cannot take it through an empty slot: its caller must then dispose of it.
#define VIREL_DEFINE_SLOT_TEST(name, signature, call, offset28, offset27, empty)                               \
    inline bool name##SlotFilled () { return HostApi::ReadTableSlot (VIREL_SLOT_OFFSET (offset28, offset27)) != nullptr; }

VIREL_HOST_OPERATIONS (VIREL_DEFINE_FORWARDER)
VIREL_HOST_OPERATIONS (VIREL_DEFINE_SLOT_TEST)
VIREL_HOST_SELECTOR_OPERATIONS (VIREL_DEFINE_SELECTOR_FORWARDER)
VIREL_HOST_REPORT_OPERATION (VIREL_DEFINE_REPORT_FORWARDER)
