// The host's 3D model of the project: per element, in model order, its bodies, each a list
// of polygons with an id and a face kind. Polygon ids are the element's own: 1, 2, 3, ...
// across its bodies in order, so an id is looked up in one element only.
#pragma once

#include "Guid.hpp"
#include "ModelerHost.hpp"

#include <memory>
#include <optional>
#include <vector>

namespace SimHost {

class Model3D {
public:
    // Adds an element's bodies, each given by its polygons' face kinds; returns the
    // element's 0-based index in the model.
    Int32 Add (const GS::Guid& element, const std::vector<std::vector<Int32>>& bodyFaceKinds);

    // The face kind of polygon 'polygonId' of 'element'; none when that element has no such
    // polygon.
    std::optional<Int32> FaceKind (const GS::Guid& element, Int32 polygonId) const;

    // What a sight shows: the model as the modeler library reads it.
    std::shared_ptr<const Modeler::Model3D> Snapshot () const { return snapshot; }

private:
    struct Polygon {
        Int32 id;
        Int32 faceKind;
    };
    struct Element {
        GS::Guid                          guid;
        std::vector<std::vector<Polygon>> bodies;
    };

    std::vector<Element>                    elements;
    std::shared_ptr<const Modeler::Model3D> snapshot = std::make_shared<const Modeler::Model3D> ();
};

}   // namespace SimHost
