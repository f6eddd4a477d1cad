#include "Painting/FaceKind.hpp"

#include "HostApi/HostApi.hpp"
#include "ModelerAPI.hpp"

#include <memory>

namespace {

bool InRange (Int32 index, Int32 count) { return index >= 1 && index <= count; }

// The polygon's id in the model, or nothing when the indices name no polygon.
bool FindPolygonId (const ModelerAPI::Model& model, Int32 elementIndex, Int32 bodyIndex, Int32 polygonIndex, Int32& polygonId)
{
    if (!InRange (elementIndex, model.GetElementCount ()))
        return false;
    ModelerAPI::Element modelElement;
    model.GetElement (elementIndex, &modelElement);
    if (!InRange (bodyIndex, modelElement.GetMeshBodyCount ()))
        return false;
    ModelerAPI::MeshBody body;
    modelElement.GetMeshBody (bodyIndex, &body);
    if (!InRange (polygonIndex, body.GetPolygonCount ()))
        return false;
    ModelerAPI::Polygon polygon;
    body.GetPolygon (polygonIndex, &polygon);
    polygonId = polygon.GetPolygonId ();
    return true;
}

void ReleaseSight (Modeler::Sight* sight) { HostReleaseSight (sight); }

}   // namespace

void ResolveFaceKind (Int32 elementIndex, Int32 bodyIndex, Int32 polygonIndex, const API_Element& element, Int32& faceKind)
{
    Modeler::Sight* sight = nullptr;
    HostGetSight (&sight);
    // the sight is the host's: it goes back on every way out, a throwing model copy included
    const std::unique_ptr<Modeler::Sight, decltype (&ReleaseSight)> taken (sight, &ReleaseSight);
    const std::unique_ptr<Modeler::IAttributeReader>                reader (HostCreateAttributeReader ());

    ModelerAPI::Model model;
    // hosts of API 28 fill only a model they have prepared; API 27 has no such step
    if constexpr (VIREL_HOST_API != 27)
        HostPrepareModel (&model);
    if (sight == nullptr)
        return;

    EXPGetModel (sight->GetConstMainModelPtr (), &model, reader.get ());
    Int32 polygonId = 0;
    if (FindPolygonId (model, elementIndex, bodyIndex, polygonIndex, polygonId))
        HostGetPolygonFaceKind (&element, polygonId, &faceKind);
}
