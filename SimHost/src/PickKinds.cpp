#include "PickKinds.hpp"

#include "ElementPickKinds.hpp"

namespace SimHost {

std::optional<Int32> ElementTypeOfPickKind (Int32 pickKind)
{
    for (const API_ElementPickKind& entry : API_ElementPickKinds)
        if (entry.pickKind == pickKind)
            return entry.elementType;
    return std::nullopt;
}

Int32 PickKindOfElementType (Int32 type)
{
    for (const API_ElementPickKind& entry : API_ElementPickKinds)
        if (entry.elementType == type)
            return entry.pickKind;
    return 0;
}

}   // namespace SimHost
