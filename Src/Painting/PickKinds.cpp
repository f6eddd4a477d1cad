#include "Painting/PickKinds.hpp"

#include "ElementPickKinds.hpp"

Int32 ElementTypeToPickKind (Int32 elementType)
{
    for (const API_ElementPickKind& entry : API_ElementPickKinds)
        if (entry.elementType == elementType)
            return entry.pickKind;
    return 0;
}
