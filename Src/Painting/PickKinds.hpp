// The pick kind that stands for an element type: what a click on an element of that type
// would have reported, for elements found only by the search under the point.
#pragma once

#include "Definitions.hpp"

// 0 for a type that no pick kind stands for (0, 27, 28, 36, 59 to 62, 72 and above, negative).
Int32 ElementTypeToPickKind (Int32 elementType);
