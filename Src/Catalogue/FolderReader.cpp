#include "Catalogue/FolderReader.hpp"

#include "Catalogue/CatalogueWalk.hpp"
#include "Catalogue/MaterialRecord.hpp"
#include "HostApi/HostApi.hpp"
#include "HostApi/MaterialByGuid.hpp"

#include <utility>
#include <vector>

namespace {

void ReadMaterials (const API_AttributeFolderContent& content, Folder& folder)
{
    folder.surfaces.Reserve (content.attributeIds.GetSize ());
    for (const GS::Guid& id : content.attributeIds) {
        API_Attribute record;
        if (HostGetMaterial (id, record) != NoError) {
            HostWriteReport ("Failed to get attribute", true);
            continue;
        }
        folder.surfaces.Push (SurfaceFromRecord (record));
    }
}

}   // namespace

Folder ReadCatalogue ()
{
    // the folders being read, from the root down; each goes into its parent when it is done
    std::vector<Folder> open;
    Folder              root;
    WalkCatalogue (
        [&] (const API_AttributeFolder& folder, const API_AttributeFolderContent& content) {
            Folder& read = open.emplace_back ();
            read.path = folder.path;
            read.folders.Reserve (content.subFolders.GetSize ());
        },
        [&] (const API_AttributeFolder&, const API_AttributeFolderContent& content) {
            ReadMaterials (content, open.back ());
            Folder done = std::move (open.back ());
            open.pop_back ();
            if (open.empty ())
                root = std::move (done);
            else
                open.back ().folders.Push (std::move (done));
        });
    return root;
}
