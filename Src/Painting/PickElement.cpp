#include "Painting/PickElement.hpp"

#include "CH.hpp"
#include "Painting/ErrorNames.hpp"
#include "HostApi/HostApi.hpp"
#include "Painting/PickKinds.hpp"

namespace {

constexpr Int64  SearchFilter = 6;
constexpr double SearchHeight = 1000000.0;

// A click that hit nothing directly: the element under the point, as a pick kind (0: none).
Int32 PickKindUnderPoint (const API_Coord3D& position)
{
    API_SearchElementRecord search;
    BNZeroMemory (&search, sizeof search);
    search.filterBits = SearchFilter;
    search.x = position.x;
    search.y = position.y;
    search.z = SearchHeight;
    GS::Guid found;
    if (HostSearchElementAtPoint (&search, &found) != NoError)
        return 0;
    Int32 elementType = search.type.typeID;
    if (elementType == 0 && !found.IsNull ()) {
        API_ElementHeader header;
        BNZeroMemory (&header, sizeof header);
        header.guid = found;
        HostGetElementHeader (&header, 0u);
        elementType = header.type.typeID;
    }
    return ElementTypeToPickKind (elementType);
}

}   // namespace

bool PickElement (const char* prompt, API_GetPointType& point)
{
    CHTruncate (prompt, point.prompt, Int32 (sizeof point.prompt));
    point.changeFilter = 0;
    point.changePlane = 0;
    const GSErrCode input = APIIo_GetPointID (&point, static_cast<void*> (nullptr), static_cast<void*> (nullptr),
                                              static_cast<void*> (nullptr), static_cast<void*> (nullptr));
    if (input != NoError) {
        if (input != APIERR_CANCEL)
            HostWriteReport ("%s: %s", true, "Error in APIIo_GetPointID", ErrorName (input));
        return false;
    }
    if (point.neig.neigID == 0)
        point.neig.neigID = PickKindUnderPoint (point.pos);

    API_ElemType picked;
    BNZeroMemory (&picked, sizeof picked);
    if (HostGetPickElementType (point.neig.neigID, &picked) != NoError)
        picked.typeID = 0;
    return picked.typeID != 0;
}
