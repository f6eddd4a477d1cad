// The host's pick kinds: the kind a click reports for an element of each type.
#pragma once

#include "Definitions.hpp"

#include <optional>

namespace SimHost {

// The element type a pick kind stands for; none for kind 0 and kinds that stand for no type.
std::optional<Int32> ElementTypeOfPickKind (Int32 pickKind);
// The kind a click on an element of 'type' reports; 0 when no kind stands for the type.
Int32 PickKindOfElementType (Int32 type);

}   // namespace SimHost
