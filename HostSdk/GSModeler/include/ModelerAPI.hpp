// GSModeler: read access to the host's 3D model. Indices of the getters are 1-based; an
// index outside the model gives an empty result.
#pragma once

#include "Definitions.hpp"

#include <memory>

namespace Modeler {

// The host's own 3D model; only the host sees inside it.
struct Model3D;

class GSROOT_API Sight {
public:
    // [host] Made by the host over its model, which an add-on cannot make.
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
    Int32 GetPolygonCount () const;
    void  GetPolygon (Int32 index, Polygon* polygon) const;

private:
    friend class Element;
    std::shared_ptr<const Modeler::Model3D> model;
    const void*                             body = nullptr;   // a body of the host's model
};

class GSROOT_API Element {
public:
    Int32 GetMeshBodyCount () const;
    void  GetMeshBody (Int32 index, MeshBody* body) const;

private:
    friend class Model;
    std::shared_ptr<const Modeler::Model3D> model;
    const void*                             element = nullptr;   // an element of the host's model
};

class GSROOT_API Model {
public:
    Int32 GetElementCount () const;
    void  GetElement (Int32 index, Element* element) const;

private:
    friend struct ModelHostAccess;
    std::shared_ptr<const Modeler::Model3D> content;
    bool                                    prepared = false;   // by the host (HostPrepareModel)
};

}   // namespace ModelerAPI

// Fills 'model' from the host's 3D model. An unprepared model stays empty where the host
// requires preparation.
GSROOT_API GSErrCode EXPGetModel (const Modeler::Model3D* source, ModelerAPI::Model* model, Modeler::IAttributeReader* reader);
