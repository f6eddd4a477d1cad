// The host's 3D model of the project: per element, in model order, its bodies, each a list
// of polygons with an id, a face kind and, when the scenario gave them, its vertices.
// Polygon ids are the element's own: 1, 2, 3, ... across its bodies in order, so an id is
// looked up in one element only.
#pragma once

#include "Guid.hpp"
#include "ModelerHost.hpp"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace SimHost {

using Vertex = std::array<double, 3>;

// One polygon of a body as it is added: its face kind and its outline (may be empty).
struct PolygonShape {
    Int32               faceKind = 0;
    std::vector<Vertex> vertices;
};
using BodyShape = std::vector<PolygonShape>;

class Model3D {
public:
    struct Polygon {
        Int32               id;
        Int32               faceKind;
        std::vector<Vertex> vertices;
    };
    using Body = std::vector<Polygon>;

    // Adds an element's bodies; returns the element's 0-based index in the model.
    Int32 Add (const GS::Guid& element, const std::vector<BodyShape>& bodies);

    // The face kind of polygon 'polygonId' of 'element'; none when that element has no such
    // polygon.
    std::optional<Int32> FaceKind (const GS::Guid& element, Int32 polygonId) const;

    // The bodies of the element at 'index' in model order; empty for an index outside it.
    const std::vector<Body>& Bodies (Int32 index) const;
    Int32                    ElementCount () const { return Int32 (elements.size ()); }

    // What a sight shows: the model as the modeler library reads it.
    std::shared_ptr<const Modeler::Model3D> Snapshot () const { return snapshot; }

private:
    struct Element {
        GS::Guid          guid;
        std::vector<Body> bodies;
    };

    std::vector<Element>                    elements;
    std::shared_ptr<const Modeler::Model3D> snapshot = std::make_shared<const Modeler::Model3D> ();
};

}   // namespace SimHost
