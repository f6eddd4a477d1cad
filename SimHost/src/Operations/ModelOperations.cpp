// The 3D model: sights, attribute readers, model preparation and face kinds.
#include "../HostOperations.hpp"

#include "ModelerHost.hpp"

namespace SimHost::Operations {

GSErrCode HostGetSight (Host& host, Modeler::Sight** sight)
{
    if (sight == nullptr)
        return APIERR_BADPARS;
    *sight = host.Elements ().OpenSight ();
    return NoError;
}

GSErrCode HostReleaseSight (Host& host, Modeler::Sight* sight)
{
    if (!host.Elements ().ReleaseSight (sight)) {
        host.Violation (Breach::ForeignSight, "HostReleaseSight");
        return APIERR_BADPARS;
    }
    return NoError;
}

Modeler::IAttributeReader* HostCreateAttributeReader (Host& host) { return host.Elements ().NewAttributeReader (); }

GSErrCode HostPrepareModel (Host&, ModelerAPI::Model* model)
{
    if (model == nullptr)
        return APIERR_BADPARS;
    ModelerAPI::MarkPrepared (*model);
    return NoError;
}

GSErrCode HostGetPolygonFaceKind (Host& host, const API_Element* element, Int32 polygonId, Int32* faceKind)
{
    if (element == nullptr || faceKind == nullptr)
        return APIERR_BADPARS;
    const std::optional<Int32> kind = host.Elements ().Model ().FaceKind (element->guid, polygonId);
    if (!kind.has_value ())
        return APIERR_BADID;
    *faceKind = *kind;
    return NoError;
}

}   // namespace SimHost::Operations
