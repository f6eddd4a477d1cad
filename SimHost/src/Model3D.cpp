#include "SimHost/Model3D.hpp"

namespace SimHost {

Int32 Model3D::Add (const GS::Guid& guid, const std::vector<std::vector<Int32>>& bodyFaceKinds)
{
    Element element { guid, {} };
    Int32 nextId = 1;
    for (const std::vector<Int32>& faceKinds : bodyFaceKinds) {
        std::vector<Polygon>& body = element.bodies.emplace_back ();
        for (Int32 faceKind : faceKinds)
            body.push_back ({ nextId++, faceKind });
    }
    elements.push_back (std::move (element));

    // a sight already handed out keeps showing the model it was taken from
    auto shown = std::make_shared<Modeler::Model3D> ();
    for (const Element& stored : elements) {
        Modeler::Model3D::Element& modelElement = shown->elements.emplace_back ();
        for (const std::vector<Polygon>& body : stored.bodies) {
            Modeler::Model3D::Body& modelBody = modelElement.bodies.emplace_back ();
            for (const Polygon& polygon : body)
                modelBody.polygonIds.push_back (polygon.id);
        }
    }
    snapshot = std::move (shown);
    return Int32 (elements.size () - 1);
}

std::optional<Int32> Model3D::FaceKind (const GS::Guid& guid, Int32 polygonId) const
{
    for (const Element& element : elements) {
        if (element.guid != guid)
            continue;
        for (const std::vector<Polygon>& body : element.bodies)
            for (const Polygon& polygon : body)
                if (polygon.id == polygonId)
                    return polygon.faceKind;
        return std::nullopt;
    }
    return std::nullopt;
}

}   // namespace SimHost
