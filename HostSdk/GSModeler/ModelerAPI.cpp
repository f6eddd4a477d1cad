#include "ModelerHost.hpp"

#include <atomic>
#include <new>
#include <utility>

namespace Modeler {

Sight::Sight (std::shared_ptr<const Model3D> mainModel)
    : mainModel (std::move (mainModel))
{}
Sight::~Sight () = default;
IAttributeReader::~IAttributeReader () = default;

}   // namespace Modeler

namespace ModelerAPI {

namespace {
std::atomic<bool> preparationRequired { false };
}

void SetPreparationRequired (bool required) { preparationRequired = required; }

namespace {
std::atomic<int> failingCopies { 0 };
}

void FailModelCopies (int count) { failingCopies = count; }

namespace {
const Modeler::Model3D::Body*    BodyOf (const void* body) { return static_cast<const Modeler::Model3D::Body*> (body); }
const Modeler::Model3D::Element* ElementOf (const void* element) { return static_cast<const Modeler::Model3D::Element*> (element); }
}   // namespace

Int32 MeshBody::GetPolygonCount () const { return Int32 (body == nullptr ? 0 : BodyOf (body)->polygonIds.size ()); }
Int32 Element::GetMeshBodyCount () const { return Int32 (element == nullptr ? 0 : ElementOf (element)->bodies.size ()); }
Int32 Model::GetElementCount () const { return Int32 (content == nullptr ? 0 : content->elements.size ()); }

void MeshBody::GetPolygon (Int32 index, Polygon* polygon) const
{
    polygon->polygonId = 0;
    if (body != nullptr && index >= 1 && index <= GetPolygonCount ())
        polygon->polygonId = BodyOf (body)->polygonIds[USize (index - 1)];
}

void Element::GetMeshBody (Int32 index, MeshBody* body) const
{
    body->model = nullptr;
    body->body = nullptr;
    if (element != nullptr && index >= 1 && index <= GetMeshBodyCount ()) {
        body->model = model;
        body->body = &ElementOf (element)->bodies[USize (index - 1)];
    }
}

void Model::GetElement (Int32 index, Element* element) const
{
    element->model = nullptr;
    element->element = nullptr;
    if (content != nullptr && index >= 1 && index <= GetElementCount ()) {
        element->model = content;
        element->element = &content->elements[USize (index - 1)];
    }
}

void ModelHostAccess::MarkPrepared (Model& model) { model.prepared = true; }
bool ModelHostAccess::IsPrepared (const Model& model) { return model.prepared; }

GSErrCode ModelHostAccess::Fill (Model& model, const Modeler::Model3D& source)
{
    if (failingCopies > 0) {
        --failingCopies;
        throw std::bad_alloc ();
    }
    model.content = std::make_shared<const Modeler::Model3D> (source);
    return 0;
}

}   // namespace ModelerAPI

GSErrCode EXPGetModel (const Modeler::Model3D* source, ModelerAPI::Model* model, Modeler::IAttributeReader*)
{
    if (source == nullptr || model == nullptr)
        return GSErrCode (0x81060068u);   // bad parameters
    if (ModelerAPI::preparationRequired && !ModelerAPI::ModelHostAccess::IsPrepared (*model))
        return 0;
    return ModelerAPI::ModelHostAccess::Fill (*model, *source);
}
