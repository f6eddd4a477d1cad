// Host records of elements: the element record and its change mask, the header, the
// element type, and the override slots that painting sets.
#pragma once

#include "Guid.hpp"

#include <cstddef>

struct API_ElemType {
    Int32    typeID;        // 0: no element
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

// The element record; a second record of the same layout is the change mask, in which 0xFF
// at the first byte of a field marks that field as one to change.
struct API_Element {
    Int32    typeID;         // elements of type 6 are never painted
    UInt8    reserved1[28];
    GS::Guid guid;
    UInt8    reserved2[112];
    API_OverrideSlot slot160;
    API_OverrideSlot slot168;
    API_OverrideSlot slot176;
    API_OverrideSlot slot184;
    UInt8    reserved3[128];
    API_OverrideSlot slot320;
    API_OverrideSlot slot328;
    API_OverrideSlot slot336;
    UInt8    reserved4[5272 - 344];
};
static_assert (sizeof (API_Element) == 5272);
static_assert (offsetof (API_Element, guid) == 32);
static_assert (offsetof (API_Element, slot160) == 160);
static_assert (offsetof (API_Element, slot168) == 168);
static_assert (offsetof (API_Element, slot176) == 176);
static_assert (offsetof (API_Element, slot184) == 184);
static_assert (offsetof (API_Element, slot320) == 320);
static_assert (offsetof (API_Element, slot328) == 328);
static_assert (offsetof (API_Element, slot336) == 336);

// The byte offsets of the override slots, in record order.
constexpr USize API_OverrideSlotOffsets[] = { 160, 168, 176, 184, 320, 328, 336 };

// The fields of the element record the host reads through a change mask: offset and width.
// An override slot is one field, flag and index together.
struct API_ElementField {
    USize offset;
    USize bytes;
};
constexpr API_ElementField API_ElementChangeFields[] = {
    { 160, 8 }, { 168, 8 }, { 176, 8 }, { 184, 8 }, { 320, 8 }, { 328, 8 }, { 336, 8 },
};
