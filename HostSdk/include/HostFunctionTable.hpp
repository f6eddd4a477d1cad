// The size of the host function table of each API version, and slot lookup by offset.
#pragma once

#include "HostApiSlots.hpp"

#include <cstring>

constexpr USize HostTable28Bytes = 5144;
constexpr USize HostTable27Bytes = 5184;
constexpr USize HostTableBytes (Int32 apiMajor) { return apiMajor == 27 ? HostTable27Bytes : HostTable28Bytes; }

using HostSharedSlotProc = GSErrCode (void* hostContext, UInt32 selector, ...);
// The report's flag travels as an Int32: the last named parameter before a printf-style tail must be
// one that default promotions leave alone, or the host could not read the tail.
using HostWriteReportSlotProc = GSErrCode (void* hostContext, const char* format, Int32 withDialog, ...);

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

// Every slot is a whole pointer inside its table (-1: not in that table).
constexpr bool SlotFits (Int32 offset, USize tableBytes) { return offset == -1 || (offset % 8 == 0 && USize (offset) + 8 <= tableBytes); }
#define VIREL_CHECK_SLOT_FITS(name, signature, third, offset28, offset27, empty) \
    static_assert (offset28 != -1 && SlotFits (offset28, HostTable28Bytes) && SlotFits (offset27, HostTable27Bytes), #name);
#define VIREL_CHECK_REPORT_SLOT_FITS(name, offset28, offset27, empty) VIREL_CHECK_SLOT_FITS (name, , , offset28, offset27, empty)
VIREL_HOST_OPERATIONS (VIREL_CHECK_SLOT_FITS)
VIREL_HOST_SELECTOR_OPERATIONS (VIREL_CHECK_SLOT_FITS)
VIREL_HOST_REPORT_OPERATION (VIREL_CHECK_REPORT_SLOT_FITS)
#undef VIREL_CHECK_SLOT_FITS
#undef VIREL_CHECK_REPORT_SLOT_FITS
