// The kind of the face the user clicked, from the host's 3D model.
#pragma once

#include "ElementRecords.hpp"

// Finds polygon 'polygonIndex' of body 'bodyIndex' of element 'elementIndex' (all 1-based)
// in the host's current 3D model and asks the host for its face kind, for 'element'.
// Leaves 'faceKind' alone when there is no such polygon (indices below 1 or beyond the
// model's counts included).
void ResolveFaceKind (Int32 elementIndex, Int32 bodyIndex, Int32 polygonIndex, const API_Element& element, Int32& faceKind);
