#include "Painting/ApplyPaint.hpp"

#include "HostApi/HostApi.hpp"
#include "HostApi/MaterialByGuid.hpp"

#include "CH.hpp"

namespace {

constexpr Int32 UnpaintableElementType = 6;

using OverrideSlotField = API_OverrideSlot API_Element::*;

struct FaceSlot {
    Int32             faceKind;
    OverrideSlotField slot;
};

// Which override slot of the element each kind of face takes its material from.
constexpr FaceSlot FaceSlots[] = {
    { 0x3000, &API_Element::slot160 }, { 0x3001, &API_Element::slot176 }, { 0x3002, &API_Element::slot168 },
    { 0x4000, &API_Element::slot168 }, { 0x4001, &API_Element::slot176 }, { 0x4002, &API_Element::slot184 },
    { 0x5000, &API_Element::slot336 }, { 0x5001, &API_Element::slot320 }, { 0x500C, &API_Element::slot328 },
    { 0x7000, &API_Element::slot320 }, { 0x7001, &API_Element::slot336 }, { 0x7008, &API_Element::slot328 },
};

OverrideSlotField SlotOfFace (Int32 faceKind)
{
    for (const FaceSlot& entry : FaceSlots)
        if (entry.faceKind == faceKind)
            return entry.slot;
    return nullptr;
}

}   // namespace

GSErrCode ApplyPaint (API_Element& element, const GS::Guid& material, Int32 faceKind)
{
    API_Attribute   attribute;
    const GSErrCode materialFound = HostGetMaterial (material, attribute);

    if (element.typeID == UnpaintableElementType)
        return NoError;
    // a material deleted since the page read the catalogue: painting index 0 would point
    // the slot at a material that does not exist
    if (materialFound != NoError)
        return NoError;

    API_Element mask;
    BNZeroMemory (&mask, sizeof mask);
    if (const OverrideSlotField slot = SlotOfFace (faceKind)) {
        (element.*slot).overridden = 1;
        (element.*slot).materialIndex = attribute.index;
        (mask.*slot).overridden = API_ChangeFieldMark;
    }

    const API_UndoableCommandBody body = [&element, &mask] {
        return HostChangeElement (&element, &mask, static_cast<void*> (nullptr), UInt32 (0), true);
    };
    const GS::UniString name ("Paint Element");
    return HostCallUndoableCommand (&name, &body);
}
