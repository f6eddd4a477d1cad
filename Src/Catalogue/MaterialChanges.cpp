#include "Catalogue/MaterialChanges.hpp"

#include "HostApi/HostApi.hpp"
#include "HostApi/MaterialByGuid.hpp"
#include "Catalogue/MaterialCatalogue.hpp"
#include "Catalogue/MaterialRecord.hpp"
#include "Catalogue/OwnMaterialChanges.hpp"
#include "PageBridge/ScriptCalls.hpp"

namespace {

void CreateMaterial (MaterialEntry& entry)
{
    API_AttributeFolder folder;
    folder.typeID = API_MaterialID;
    folder.path = entry.folderPath;
    if (HostGetAttributeFolder (&folder) != NoError) {
        folder.guid = GS::Guid ();
        HostCreateAttributeFolder (&folder);
    }
    HostCreateAttribute (&entry.record, nullptr);
    const GS::Array<API_AttributeFolder> noFolders;
    const GS::Array<GS::Guid>            created { entry.record.guid };
    HostMoveToAttributeFolder (&noFolders, &created, &folder);
}

}   // namespace

std::string CreateMaterials (const std::string& entriesText)
{
    // the parsed text is this call's own: entries are read in place, not copied
    nlohmann::json entries = ParsePageJson (entriesText);
    {
        const OwnMaterialChanges ownChanges;
        for (nlohmann::json& entry : entries) {
            MaterialEntry made = ReadMaterialEntry (entry);
            CreateMaterial (made);
        }
    }
    return GetMaterialsJson ();
}

std::string DeleteMaterial (const std::string& identifierText)
{
    const GS::Guid id (identifierText.c_str ());
    if (IsCatalogueMaterial (id)) {
        const OwnMaterialChanges ownChanges;
        API_Attribute record;
        if (HostGetMaterial (id, record) == NoError) {
            const GS::Array<API_AttributeIndex> indices { record.index };
            HostDeleteAttributes (API_MaterialID, &indices);
        }
    }
    return GetMaterialsJson ();
}
