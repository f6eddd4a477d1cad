#include "SimHost/DrawnMaterial.hpp"

namespace SimHost {

namespace {

struct FaceSlot {
    Int32            faceKind;
    API_OverrideSlot API_Element::*slot;
};

// The host's own reading of its face kinds: which override slot each kind takes its
// material from (column, wall, slab and roof surfaces).
constexpr FaceSlot FaceSlots[] = {
    { 0x3000, &API_Element::slot160 }, { 0x3001, &API_Element::slot176 }, { 0x3002, &API_Element::slot168 },
    { 0x4000, &API_Element::slot168 }, { 0x4001, &API_Element::slot176 }, { 0x4002, &API_Element::slot184 },
    { 0x5000, &API_Element::slot336 }, { 0x5001, &API_Element::slot320 }, { 0x500C, &API_Element::slot328 },
    { 0x7000, &API_Element::slot320 }, { 0x7001, &API_Element::slot336 }, { 0x7008, &API_Element::slot328 },
};

}   // namespace

Int32 DrawnMaterial (const API_Element& element, Int32 faceKind)
{
    for (const FaceSlot& entry : FaceSlots)
        if (entry.faceKind == faceKind)
            return (element.*entry.slot).overridden != 0 ? (element.*entry.slot).materialIndex : 0;
    return 0;
}

}   // namespace SimHost
