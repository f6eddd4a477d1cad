#include "Catalogue/MaterialCatalogue.hpp"

#include "Catalogue/CatalogueJson.hpp"
#include "Catalogue/CatalogueWalk.hpp"
#include "Catalogue/FolderReader.hpp"

#include <utility>

namespace {

// The materials of the last catalogue text handed to the page: a material deleted since is
// one the page still shows.
std::set<GS::Guid> sentMaterials;

void CollectMaterials (const Folder& folder, std::set<GS::Guid>& ids)
{
    for (const Folder& below : folder.folders)
        CollectMaterials (below, ids);
    for (const Surface& surface : folder.surfaces)
        ids.insert (GS::Guid (surface.id.c_str ()));
}

}   // namespace

std::string GetMaterialsJson ()
{
    std::set<GS::Guid> ids;
    std::string        text;
    {
        // the records are gone before the text is written: the tree is held only once at a time
        Folder tree = ReadCatalogue ();
        CollectMaterials (tree, ids);   // at most 64 levels deep
        const nlohmann::json catalogue = FolderToJson (std::move (tree));
        text = WriteCatalogueText (catalogue);
    }
    sentMaterials = std::move (ids);
    return text;
}

bool WasInSentCatalogue (const GS::Guid& material) { return sentMaterials.contains (material); }

std::set<GS::Guid> CatalogueMaterialIds ()
{
    std::set<GS::Guid> ids;
    WalkCatalogue (
        [&] (const API_AttributeFolder&, const API_AttributeFolderContent& content) {
            for (const GS::Guid& id : content.attributeIds)
                ids.insert (id);
        },
        [] (const API_AttributeFolder&, const API_AttributeFolderContent&) {});
    return ids;
}
