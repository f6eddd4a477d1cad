#include "SimHost/Model3D.hpp"

namespace SimHost {

Int32 Model3D::Add (const GS::Guid& guid, const std::vector<BodyShape>& shapes)
{
    Element element { guid, {} };
    Int32   nextId = 1;
    for (const BodyShape& shape : shapes) {
        Body& body = element.bodies.emplace_back ();
        for (const PolygonShape& polygon : shape)
            body.push_back ({ nextId++, polygon.faceKind, polygon.vertices });
    }
    elements.push_back (std::move (element));

    // a sight already handed out keeps showing the model it was taken from
    auto shown = std::make_shared<Modeler::Model3D> ();
    for (const Element& stored : elements) {
        Modeler::Model3D::Element& modelElement = shown->elements.emplace_back ();
        for (const Body& body : stored.bodies) {
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
        for (const Body& body : element.bodies)
            for (const Polygon& polygon : body)
                if (polygon.id == polygonId)
                    return polygon.faceKind;
        return std::nullopt;
    }
    return std::nullopt;
}

const std::vector<Model3D::Body>& Model3D::Bodies (Int32 index) const
{
    static const std::vector<Body> none;
    return index < 0 || index >= ElementCount () ? none : elements[USize (index)].bodies;
}

}   // namespace SimHost
