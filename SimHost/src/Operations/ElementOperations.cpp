// Elements, the front window, picking, the 3D model and the undo history.
#include "../HostOperations.hpp"

namespace SimHost::Operations {

GSErrCode HostGetElementHeader (Host&, API_ElementHeader*, UInt32) { return APIERR_BADID; }
GSErrCode HostGetElement (Host&, API_Element*, UInt32) { return APIERR_BADID; }
GSErrCode HostCallUndoableCommand (Host&, const GS::UniString*, const API_UndoableCommandBody*) { return APIERR_GENERAL; }
GSErrCode HostChangeElement (Host&, API_Element*, const API_Element*, void*, UInt32, bool) { return APIERR_BADID; }
GSErrCode HostGetPickElementType (Host&, Int32, API_ElemType*) { return APIERR_BADPARS; }
GSErrCode HostGetSight (Host&, Modeler::Sight**) { return APIERR_GENERAL; }
GSErrCode HostReleaseSight (Host&, Modeler::Sight*) { return APIERR_GENERAL; }
Modeler::IAttributeReader* HostCreateAttributeReader (Host&) { return nullptr; }
GSErrCode HostPrepareModel (Host&, ModelerAPI::Model*) { return APIERR_GENERAL; }
GSErrCode HostGetCurrentWindow (Host&, API_WindowInfo* info)
{
    if (info == nullptr)
        return APIERR_BADPARS;
    info->typeID = API_PlanWindowType;
    return NoError;
}
GSErrCode APIIo_GetPointID (Host&, API_GetPointType*, void*, void*, void*, void*) { return APIERR_CANCEL; }
GSErrCode HostCancelInput (Host&) { return NoError; }
GSErrCode HostSearchElementAtPoint (Host&, const API_SearchElementRecord*, GS::Guid*) { return APIERR_BADID; }
GSErrCode HostGetPolygonFaceKind (Host&, const API_Element*, Int32, Int32*) { return APIERR_BADID; }

}   // namespace SimHost::Operations
