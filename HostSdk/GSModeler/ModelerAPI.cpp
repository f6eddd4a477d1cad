#include "ModelerAPI.hpp"

#include <atomic>
#include <utility>

namespace Modeler {

Sight::Sight (std::shared_ptr<const Model3D> mainModel) : mainModel (std::move (mainModel)) {}
Sight::~Sight () = default;
IAttributeReader::~IAttributeReader () = default;

}   // namespace Modeler

namespace ModelerAPI {

namespace {
std::atomic<bool> preparationRequired { false };
}

void SetPreparationRequired (bool required) { preparationRequired = required; }

void MeshBody::GetPolygon (Int32 index, Polygon* polygon) const
{
    polygon->polygonId = 0;
    if (body != nullptr && index >= 1 && index <= GetPolygonCount ())
        polygon->polygonId = body->polygonIds[USize (index - 1)];
}

void Element::GetMeshBody (Int32 index, MeshBody* body) const
{
    body->model = nullptr;
    body->body = nullptr;
    if (element != nullptr && index >= 1 && index <= GetMeshBodyCount ()) {
        body->model = model;
        body->body = &element->bodies[USize (index - 1)];
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

GSErrCode Fill (Model& model, const Modeler::Model3D& source)
{
    model.content = std::make_shared<const Modeler::Model3D> (source);
    return 0;
}

}   // namespace ModelerAPI

GSErrCode EXPGetModel (const Modeler::Model3D* source, ModelerAPI::Model* model, Modeler::IAttributeReader*)
{
    if (source == nullptr || model == nullptr)
        return GSErrCode (0x81060068u);   // bad parameters
    if (ModelerAPI::preparationRequired && !model->IsPrepared ())
        return 0;
    return ModelerAPI::Fill (*model, *source);
}
