// How the host draws a polygon: the material of the element's override slot that the
// polygon's face kind selects, when that slot's flag is set; otherwise none (0), and the
// element's own surface shows.
#pragma once

#include "ElementRecords.hpp"

namespace SimHost {

Int32 DrawnMaterial (const API_Element& element, Int32 faceKind);

}   // namespace SimHost
