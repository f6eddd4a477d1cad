#include "SimHost/DrawnMaterial.hpp"

#include "FaceOverrideSlots.hpp"

namespace SimHost {

Int32 DrawnMaterial (const API_Element& element, Int32 faceKind)
{
    const API_OverrideSlotField slot = API_OverrideSlotOfFace (faceKind);
    if (slot == nullptr)
        return 0;
    return (element.*slot).overridden != 0 ? (element.*slot).materialIndex : 0;
}

}   // namespace SimHost
