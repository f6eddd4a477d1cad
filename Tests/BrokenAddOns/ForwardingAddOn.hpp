// A deliberately broken add-on: it loads the real add-on file and forwards the host's
// exports to it, with one breakage of its own. Each breakage is a small file that defines
// Break, which may wrap slots of the table the real add-on is handed.
#pragma once

#include "HostFunctionTable.hpp"
#include "ModuleEntryRecord.hpp"

// Called once with the host's table copy (apiMajor 28 or 27) before the real add-on gets it.
void Break (unsigned char* table, Int32 apiMajor);

// Each operation's slot offsets in the API 28 and API 27 tables, from the table's own list.
namespace SlotOf {
#define VIREL_SLOT_OFFSETS(name, signature, call, offset28, offset27, empty) constexpr Int32 name[2] = { offset28, offset27 };
VIREL_HOST_OPERATIONS (VIREL_SLOT_OFFSETS)
VIREL_HOST_SELECTOR_OPERATIONS (VIREL_SLOT_OFFSETS)
#undef VIREL_SLOT_OFFSETS
}   // namespace SlotOf

// Replaces the slot of an operation (its SlotOf offsets) with 'replacement'; returns the original.
template <class Proc> Proc* WrapSlot (unsigned char* table, Int32 apiMajor, const Int32 (&offsets)[2], Proc* replacement)
{
    const Int32 offset = SlotOffset (apiMajor, offsets[0], offsets[1]);
    Proc*       original = reinterpret_cast<Proc*> (ReadSlot (table, offset));
    WriteSlot (table, offset, reinterpret_cast<void*> (replacement));
    return original;
}
