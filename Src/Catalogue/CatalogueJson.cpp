#include "Catalogue/CatalogueJson.hpp"

#include <utility>

namespace {

std::string PathText (const GS::Array<GS::UniString>& path)
{
    std::string text;
    for (const GS::UniString& component : path) {
        text += component.ToCStr ().Get ();
        text += '/';
    }
    return text;
}

nlohmann::json SurfaceToJson (Surface& surface)
{
    nlohmann::json material;
    material["name"] = std::move (surface.name);
    material["id"] = std::move (surface.id);
    material["color"] = { { "red", surface.red }, { "green", surface.green }, { "blue", surface.blue } };
    material["product"] = {
        { "ambient", surface.ambient }, { "diffuse", surface.diffuse }, { "shine", surface.shine }, { "specular", surface.specular }
    };
    return material;
}

}   // namespace

nlohmann::json FolderToJson (Folder folder)
{
    nlohmann::json object;
    object["path"] = PathText (folder.path);
    nlohmann::json& folders = object["folders"] = nlohmann::json::array ();
    for (Folder& subfolder : folder.folders)
        folders.push_back (FolderToJson (std::move (subfolder)));
    nlohmann::json& surfaces = object["surfaces"] = nlohmann::json::array ();
    for (Surface& surface : folder.surfaces)
        surfaces.push_back (SurfaceToJson (surface));
    return object;
}

std::string WriteCatalogueText (const nlohmann::json& catalogue)
{
    return catalogue.dump (-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
