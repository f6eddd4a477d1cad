// Host records of elements: the element record and its change mask, the header, the
// element type, and the override slots that painting sets.
#pragma once

#include "Guid.hpp"

#include <cstddef>

struct API_ElemType {
    Int32    typeID;   // 0: no element
    Int32    variationID;
    GS::Guid classID;
};
static_assert (sizeof (API_ElemType) == 24);

struct API_ElementHeader {
    API_ElemType type;
    UInt8        reserved1[8];
    GS::Guid     guid;
    UInt8        reserved2[80];
};
static_assert (sizeof (API_ElementHeader) == 128);
static_assert (offsetof (API_ElementHeader, guid) == 32);

// One material override: the flag says the slot's material applies.
struct API_OverrideSlot {
    UInt8 overridden;
    UInt8 untouched[3];
    Int32 materialIndex;
};
static_assert (sizeof (API_OverrideSlot) == 8);
static_assert (offsetof (API_OverrideSlot, materialIndex) == 4);

// The mark of a field to change in an element change mask: its first byte.
constexpr UInt8 API_ChangeFieldMark = 0xFF;

// The byte offsets of the element record's material override slots, in record order.
// clang-format off
#define VIREL_OVERRIDE_SLOTS(X) X (160) X (168) X (176) X (184) X (320) X (328) X (336)
// clang-format on

// The element record; a second record of the same layout is the change mask, in which
// API_ChangeFieldMark at the first byte of a field marks that field as one to change.
struct API_Element {
    Int32            typeID;   // elements of type 6 are never painted
    UInt8            reserved1[28];
    GS::Guid         guid;
    UInt8            reserved2[112];
    API_OverrideSlot slot160;
    API_OverrideSlot slot168;
    API_OverrideSlot slot176;
    API_OverrideSlot slot184;
    UInt8            reserved3[128];
    API_OverrideSlot slot320;
    API_OverrideSlot slot328;
    API_OverrideSlot slot336;
    UInt8            reserved4[5272 - 344];
};
static_assert (sizeof (API_Element) == 5272);
static_assert (offsetof (API_Element, guid) == 32);
#define VIREL_CHECK_OVERRIDE_SLOT(offset) static_assert (offsetof (API_Element, slot##offset) == offset);
VIREL_OVERRIDE_SLOTS (VIREL_CHECK_OVERRIDE_SLOT)
#undef VIREL_CHECK_OVERRIDE_SLOT

// The fields of the element record the host reads through a change mask: offset and width.
// An override slot is one field, flag and index together.
struct API_ElementField {
    USize offset;
    USize bytes;
};
#define VIREL_OVERRIDE_SLOT_FIELD(offset) API_ElementField { offset, sizeof (API_OverrideSlot) },
constexpr API_ElementField API_ElementChangeFields[] = { VIREL_OVERRIDE_SLOTS (VIREL_OVERRIDE_SLOT_FIELD) };
#undef VIREL_OVERRIDE_SLOT_FIELD
