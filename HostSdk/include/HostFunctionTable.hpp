// The size of the host function table of each API version, and slot lookup by offset.
#pragma once

#include "HostApiSlots.hpp"

#include <cstring>

constexpr USize HostTableBytes (Int32 apiMajor) { return apiMajor == 27 ? 5184 : 5144; }
static_assert (HostTableBytes (28) == 5144 && HostTableBytes (27) == 5184);

using HostSharedSlotProc = GSErrCode (void* hostContext, UInt32 selector, ...);
using HostWriteReportSlotProc = GSErrCode (void* hostContext, const char* format, bool withDialog, ...);

constexpr Int32 SlotOffset (Int32 apiMajor, Int32 offset28, Int32 offset27) { return apiMajor == 27 ? offset27 : offset28; }

// Reads the function pointer at 'offset' of a table copy; null for an absent operation.
inline void* ReadSlot (const unsigned char* table, Int32 offset)
{
    if (offset < 0)
        return nullptr;
    void* slot = nullptr;
    std::memcpy (&slot, table + offset, sizeof slot);
    return slot;
}

inline void WriteSlot (unsigned char* table, Int32 offset, void* function)
{
    if (offset >= 0)
        std::memcpy (table + offset, &function, sizeof function);
}

#define VIREL_CHECK_SLOT_FITS(name, signature, call, offset28, offset27, empty) \
    static_assert (offset28 % 8 == 0 && offset28 + 8 <= 5144 && (offset27 == -1 || (offset27 % 8 == 0 && offset27 + 8 <= 5184)), #name);
#define VIREL_CHECK_SHARED_SLOT_FITS(name, signature, selector, offset28, offset27, empty) \
    static_assert (offset28 % 8 == 0 && offset28 + 8 <= 5144 && (offset27 == -1 || (offset27 % 8 == 0 && offset27 + 8 <= 5184)), #name);
VIREL_HOST_OPERATIONS (VIREL_CHECK_SLOT_FITS)
VIREL_HOST_SELECTOR_OPERATIONS (VIREL_CHECK_SHARED_SLOT_FITS)
#undef VIREL_CHECK_SLOT_FITS
#undef VIREL_CHECK_SHARED_SLOT_FITS
