// The front window, point input and what lies under a picked point.
#include "../HostOperations.hpp"
#include "../Checks/RecordBytes.hpp"
#include "../PickKinds.hpp"

#include <cstring>

namespace SimHost::Operations {

namespace {

// The add-on passes the record zero-filled, but for its prompt, a text that ends inside it.
bool PointRecordIsClean (Host& host, const API_GetPointType& point)
{
    if (std::memchr (point.prompt, 0, sizeof point.prompt) == nullptr) {
        host.Violation (Breach::UnterminatedText, "APIIo_GetPointID: the prompt does not end inside its 256 bytes");
        return false;
    }
    const UInt8* bytes = reinterpret_cast<const UInt8*> (&point);
    for (USize offset = sizeof point.prompt; offset < sizeof point; ++offset) {
        if (bytes[offset] != 0) {
            host.Violation (Breach::RecordNotZeroFilled, "APIIo_GetPointID: byte " + std::to_string (offset));
            return false;
        }
    }
    return true;
}

void WriteClick (const PointClick& click, API_GetPointType& point)
{
    point.pos = click.position;
    point.neig.neigID = click.pickKind;
    point.hitElemGuid = click.element;
    point.hitElementIndex = click.elementIndex;
    point.hitBodyIndex = click.bodyIndex;
    point.hitPolygonIndex = click.polygonIndex;
}

}   // namespace

GSErrCode HostGetCurrentWindow (Host& host, API_WindowInfo* info)
{
    if (info == nullptr)
        return APIERR_BADPARS;
    if (const auto dirty = FirstDirtyByte (info, sizeof *info, {}))
        host.Violation (Breach::RecordNotZeroFilled, "HostGetCurrentWindow: byte " + std::to_string (*dirty));
    info->typeID = host.Elements ().FrontWindow ();
    return NoError;
}

GSErrCode APIIo_GetPointID (Host& host, API_GetPointType* point, void*, void*, void*, void*)
{
    if (point == nullptr)
        return APIERR_BADPARS;
    if (!PointRecordIsClean (host, *point))
        return APIERR_BADPARS;
    const PointOutcome outcome = host.Elements ().Input ().Take (host, point->prompt);
    switch (outcome.kind) {
        case PointOutcome::Kind::Click: WriteClick (outcome.click, *point); return NoError;
        case PointOutcome::Kind::Cancel: return APIERR_CANCEL;
        case PointOutcome::Kind::Error: return outcome.code;
    }
    return APIERR_GENERAL;
}

GSErrCode HostCancelInput (Host& host)
{
    host.Elements ().Input ().Cancel ();
    return NoError;
}

GSErrCode HostSearchElementAtPoint (Host& host, API_SearchElementRecord* search, GS::Guid* found)
{
    if (search == nullptr || found == nullptr)
        return APIERR_BADPARS;
    // any type, the host's fixed filter and height; x and y are the point's
    if (FirstDirtyByte (&search->type, sizeof search->type, {}).has_value () || search->filterBits != 6 || search->z != 1000000.0)
        host.Violation (Breach::ElementSearchRecord, "HostSearchElementAtPoint");
    const API_Element* element = host.Elements ().AtPoint (search->x, search->y, search->type.typeID);
    if (element == nullptr)
        return APIERR_NOSEL;
    search->type = API_ElemType { element->typeID, 0, GS::Guid () };
    *found = element->guid;
    return NoError;
}

GSErrCode HostGetPickElementType (Host& host, Int32 pickKind, API_ElemType* type)
{
    if (type == nullptr)
        return APIERR_BADPARS;
    if (const auto dirty = FirstDirtyByte (type, sizeof *type, {}))
        host.Violation (Breach::RecordNotZeroFilled, "HostGetPickElementType: byte " + std::to_string (*dirty));
    const std::optional<Int32> elementType = ElementTypeOfPickKind (pickKind);
    if (!elementType.has_value ())
        return APIERR_BADPARS;
    *type = API_ElemType { *elementType, 0, GS::Guid () };
    return NoError;
}

}   // namespace SimHost::Operations
