// GSModeler: read access to the host's 3D model. Indices of the getters are 1-based; an
// index outside the model gives an empty result.
#pragma once

#include "Definitions.hpp"

#include <memory>
#include <vector>

namespace Modeler {

// The host's own 3D model: elements, each a list of bodies, each a list of polygon ids.
struct Model3D {
    struct Body {
        std::vector<Int32> polygonIds;
    };
    struct Element {
        std::vector<Body> bodies;
    };
    std::vector<Element> elements;
};

class GSROOT_API Sight {
public:
    explicit Sight (std::shared_ptr<const Model3D> mainModel);
    virtual ~Sight ();
    const Model3D* GetConstMainModelPtr () const { return mainModel.get (); }

private:
    std::shared_ptr<const Model3D> mainModel;
};

class GSROOT_API IAttributeReader {
public:
    virtual ~IAttributeReader ();
};

}   // namespace Modeler

namespace ModelerAPI {

class GSROOT_API Polygon {
public:
    Int32 GetPolygonId () const { return polygonId; }

private:
    friend class MeshBody;
    Int32 polygonId = 0;
};

class GSROOT_API MeshBody {
public:
    Int32 GetPolygonCount () const { return Int32 (body == nullptr ? 0 : body->polygonIds.size ()); }
    void  GetPolygon (Int32 index, Polygon* polygon) const;

private:
    friend class Element;
    std::shared_ptr<const Modeler::Model3D> model;
    const Modeler::Model3D::Body*           body = nullptr;
};

class GSROOT_API Element {
public:
    Int32 GetMeshBodyCount () const { return Int32 (element == nullptr ? 0 : element->bodies.size ()); }
    void  GetMeshBody (Int32 index, MeshBody* body) const;

private:
    friend class Model;
    std::shared_ptr<const Modeler::Model3D> model;
    const Modeler::Model3D::Element*        element = nullptr;
};

class GSROOT_API Model {
public:
    Int32 GetElementCount () const { return Int32 (content == nullptr ? 0 : content->elements.size ()); }
    void  GetElement (Int32 index, Element* element) const;

    // Set by the host when it has prepared this model for reading (HostPrepareModel).
    void MarkPrepared () { prepared = true; }
    bool IsPrepared () const { return prepared; }

private:
    friend GSROOT_API GSErrCode Fill (Model& model, const Modeler::Model3D& source);
    std::shared_ptr<const Modeler::Model3D> content;
    bool                                    prepared = false;
};

// Copies the host's model into 'model'.
GSROOT_API GSErrCode Fill (Model& model, const Modeler::Model3D& source);

// Whether EXPGetModel reads only models that the host has prepared (hosts whose API has
// HostPrepareModel). Set by the host.
GSROOT_API void SetPreparationRequired (bool required);

}   // namespace ModelerAPI

// Fills 'model' from the host's 3D model. An unprepared model stays empty where the host
// requires preparation.
GSROOT_API GSErrCode EXPGetModel (const Modeler::Model3D* source, ModelerAPI::Model* model, Modeler::IAttributeReader* reader);
