#include "Catalogue/MaterialCatalogue.hpp"

#include "Catalogue/CatalogueJson.hpp"
#include "Catalogue/CatalogueWalk.hpp"
#include "Catalogue/FolderReader.hpp"

std::string GetMaterialsJson ()
{
    // the records are gone before the text is written: the tree is held only once at a time
    const nlohmann::json catalogue = FolderToJson (ReadCatalogue ());
    return WriteCatalogueText (catalogue);
}

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
