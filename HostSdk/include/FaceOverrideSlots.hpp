// The host's face kinds of column, wall, slab and roof surfaces, and the override slot of the
// element each takes its material from. One table, read by the add-on (which slot a paint
// sets) and the host (which material a face is drawn in).
#pragma once

#include "ElementRecords.hpp"

using API_OverrideSlotField = API_OverrideSlot API_Element::*;

struct API_FaceOverrideSlot {
    Int32                 faceKind;
    API_OverrideSlotField slot;
};

constexpr API_FaceOverrideSlot API_FaceOverrideSlots[] = {
    { 0x3000, &API_Element::slot160 }, { 0x3001, &API_Element::slot176 }, { 0x3002, &API_Element::slot168 },
    { 0x4000, &API_Element::slot168 }, { 0x4001, &API_Element::slot176 }, { 0x4002, &API_Element::slot184 },
    { 0x5000, &API_Element::slot336 }, { 0x5001, &API_Element::slot320 }, { 0x500C, &API_Element::slot328 },
    { 0x7000, &API_Element::slot320 }, { 0x7001, &API_Element::slot336 }, { 0x7008, &API_Element::slot328 },
};

// The slot a face of kind 'faceKind' takes its material from; null for any other kind.
constexpr API_OverrideSlotField API_OverrideSlotOfFace (Int32 faceKind)
{
    for (const API_FaceOverrideSlot& entry : API_FaceOverrideSlots)
        if (entry.faceKind == faceKind)
            return entry.slot;
    return nullptr;
}
