#include "Catalogue/MaterialCatalogue.hpp"

#include "Catalogue/CatalogueJson.hpp"
#include "Catalogue/FolderReader.hpp"
#include "HostApi/HostApi.hpp"

#include <vector>

std::string GetMaterialsJson ()
{
    // the records are gone before the text is written: the tree is held only once at a time
    const nlohmann::json catalogue = FolderToJson (ReadFolder (CatalogueRootPath ()));
    return WriteCatalogueText (catalogue);
}

bool IsCatalogueMaterial (const GS::Guid& material)
{
    if (material.IsNull ())
        return false;
    std::vector<API_AttributeFolder> pending (1);
    pending.back ().typeID = API_MaterialID;
    pending.back ().path = CatalogueRootPath ();
    while (!pending.empty ()) {
        const API_AttributeFolder folder = std::move (pending.back ());
        pending.pop_back ();
        API_AttributeFolderContent content;
        if (HostGetAttributeFolderContent (&folder, &content) != NoError)
            continue;
        for (const GS::Guid& id : content.attributeIds)
            if (id == material)
                return true;
        for (const API_AttributeFolder& subfolder : content.subFolders)
            pending.push_back (subfolder);
    }
    return false;
}
