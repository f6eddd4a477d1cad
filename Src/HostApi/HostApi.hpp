// The add-on's copy of the host function table and one forwarding function per host
// operation. Nothing else in the add-on touches the table. [host's UI thread]
#pragma once

#include "HostFunctionTable.hpp"

#include <type_traits>
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
// Whether the host filled a slot. An operation that takes ownership of what it is passed
// cannot take it through an empty slot: its caller must then dispose of it.
inline bool SlotFilled (Int32 offset) { return ReadTableSlot (offset) != nullptr; }

// An argument passes as a parameter only when the parameter can be initialised from it
// without narrowing: a real for an integer, an integer for a flag, or a pointer of another
// type does not compile.
template <class From, class To>
concept PassesAs = requires (From&& from)
{
    To { std::forward<From> (from) };
};

template <class Signature, class... Arguments> struct AcceptsArguments : std::false_type {};
template <class R, class... Parameters, class... Arguments>
requires (sizeof...(Parameters) == sizeof...(Arguments)) struct AcceptsArguments<R (Parameters...), Arguments...>
    : std::bool_constant<(PassesAs<Arguments, Parameters> && ...)> {
};

template <class Signature, class... Arguments>
concept Accepts = AcceptsArguments<Signature, Arguments...>::value;

template <class Signature> struct SlotTypes;
template <class R, class... P> struct SlotTypes<R (P...)> {
    using Result = R;
    using Context = R (*) (void*, P...);
    using Bare = R (*) (P...);
    // Arguments of a shared (C variadic) slot go as the exact parameter types the host reads.
    template <class... A> static R CallShared (HostSharedSlotProc* slot, UInt32 selector, A&&... arguments)
    {
        return slot (HostApi::Context (), selector, P { std::forward<A> (arguments) }...);
    }
};

// What a C variadic argument may be: a number or a pointer, passed as it is.
template <class T>
concept VariadicArgument = std::is_arithmetic_v<std::remove_cvref_t<T>> || std::is_pointer_v<std::remove_cvref_t<T>>;

}   // namespace HostApi

#define VIREL_SLOT_OFFSET(offset28, offset27) (VIREL_HOST_API == 27 ? (offset27) : (offset28))

// Each operation's slot offset in this build's table, by the operation's name.
namespace HostApi::Slot {
#define VIREL_DEFINE_SLOT_OFFSET(name, signature, third, offset28, offset27, empty) \
    constexpr Int32 name = VIREL_SLOT_OFFSET (offset28, offset27);
VIREL_HOST_OPERATIONS (VIREL_DEFINE_SLOT_OFFSET)
VIREL_HOST_SELECTOR_OPERATIONS (VIREL_DEFINE_SLOT_OFFSET)
#undef VIREL_DEFINE_SLOT_OFFSET
}   // namespace HostApi::Slot

// Read the slot; an empty slot returns the operation's empty result without calling anything;
// otherwise the host's result comes back unchanged. The forwarders take exactly the
// arguments their row's signature declares (see HostApi::Accepts).
#define VIREL_CALL_Context(slot, ...) slot (HostApi::Context () __VA_OPT__ (, ) __VA_ARGS__)
#define VIREL_CALL_Bare(slot, ...) slot (__VA_ARGS__)

#define VIREL_DEFINE_FORWARDER(name, signature, call, offset28, offset27, empty)                                                   \
    template <class... Arguments>                                                                                                  \
    requires HostApi::Accepts<signature, Arguments...>                                                                             \
    inline typename HostApi::SlotTypes<signature>::Result name (Arguments&&... arguments)                                          \
    {                                                                                                                              \
        auto slot = reinterpret_cast<typename HostApi::SlotTypes<signature>::call> (HostApi::ReadTableSlot (HostApi::Slot::name)); \
        if (slot == nullptr)                                                                                                       \
            return empty;                                                                                                          \
        return VIREL_CALL_##call (slot, std::forward<Arguments> (arguments)...);                                                   \
    }

#define VIREL_DEFINE_SELECTOR_FORWARDER(name, signature, selector, offset28, offset27, empty)                      \
    template <class... Arguments>                                                                                  \
    requires HostApi::Accepts<signature, Arguments...>                                                             \
    inline GSErrCode name (Arguments&&... arguments)                                                               \
    {                                                                                                              \
        auto slot = reinterpret_cast<HostSharedSlotProc*> (HostApi::ReadTableSlot (HostApi::Slot::name));          \
        if (slot == nullptr)                                                                                       \
            return empty;                                                                                          \
        return HostApi::SlotTypes<signature>::CallShared (slot, selector, std::forward<Arguments> (arguments)...); \
    }

// The report keeps its printf-style tail of numbers and pointers after its typed head.
#define VIREL_DEFINE_REPORT_FORWARDER(name, offset28, offset27, empty)                                                                    \
    template <HostApi::VariadicArgument... Arguments> inline GSErrCode name (const char* format, bool withDialog, Arguments... arguments) \
    {                                                                                                                                     \
        auto slot = reinterpret_cast<HostWriteReportSlotProc*> (HostApi::ReadTableSlot (VIREL_SLOT_OFFSET (offset28, offset27)));         \
        if (slot == nullptr)                                                                                                              \
            return empty;                                                                                                                 \
        return slot (HostApi::Context (), format, withDialog ? 1 : 0, arguments...);                                                      \
    }

VIREL_HOST_OPERATIONS (VIREL_DEFINE_FORWARDER)
VIREL_HOST_SELECTOR_OPERATIONS (VIREL_DEFINE_SELECTOR_FORWARDER)
VIREL_HOST_REPORT_OPERATION (VIREL_DEFINE_REPORT_FORWARDER)
