#include "Catalogue/FolderReader.hpp"

#include "HostApi/HostApi.hpp"
#include "HostApi/MaterialByGuid.hpp"
#include "Catalogue/MaterialRecord.hpp"

#include <utility>

GS::Array<GS::UniString> CatalogueRootPath () { return { GS::UniString ("Surfaces"), GS::UniString ("Virel") }; }

Folder ReadFolder (const GS::Array<GS::UniString>& path)
{
    // Neither result decides anything: a folder the host does not know leaves both lists empty.
    API_AttributeFolder folder;
    folder.typeID = API_MaterialID;
    folder.path = path;
    HostGetAttributeFolder (&folder);
    API_AttributeFolderContent content;
    HostGetAttributeFolderContent (&folder, &content);

    Folder result;
    result.path = path;
    result.folders.Reserve (content.subFolders.GetSize ());
    result.surfaces.Reserve (content.attributeIds.GetSize ());
    for (const API_AttributeFolder& subfolder : content.subFolders)
        result.folders.Push (ReadFolder (subfolder.path));
    for (const GS::Guid& id : content.attributeIds) {
        API_Attribute record;
        if (HostGetMaterial (id, record) != NoError) {
            HostWriteReport ("Failed to get attribute", true);
            continue;
        }
        result.surfaces.Push (SurfaceFromRecord (record));
    }
    return result;
}
