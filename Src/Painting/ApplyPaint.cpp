#include "Painting/ApplyPaint.hpp"

#include "HostApi/HostApi.hpp"
#include "HostApi/MaterialByGuid.hpp"

#include "CH.hpp"
#include "FaceOverrideSlots.hpp"

namespace {

constexpr Int32 UnpaintableElementType = 6;

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
    if (const API_OverrideSlotField slot = API_OverrideSlotOfFace (faceKind)) {
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
