#include "Catalogue/MaterialChanges.hpp"

#include "HostApi/HostApi.hpp"
#include "HostApi/MaterialByGuid.hpp"
#include "Catalogue/MaterialCatalogue.hpp"
#include "Catalogue/MaterialRecord.hpp"
#include "Catalogue/OwnMaterialChanges.hpp"
#include "PageBridge/ScriptCalls.hpp"

#include <cstdio>
#include <stdexcept>

namespace {

// A material the host would keep outside its folder could be neither listed nor deleted by
// the page: the entry fails instead, and the call with it.
[[noreturn]] void RefuseUnfiled (const MaterialEntry& entry, GSErrCode code)
{
    char hex[16];
    std::snprintf (hex, sizeof hex, "0x%08X", UInt32 (code));
    throw std::runtime_error ("The material \"" + std::string (entry.record.name) + "\" could not be filed in the folder \"" +
                              entry.pathText + "\" (error " + hex + "), so it was not kept.");
}

void CreateMaterial (MaterialEntry& entry)
{
    API_AttributeFolder folder;
    folder.typeID = API_MaterialID;
    folder.path = entry.folderPath;
    if (HostGetAttributeFolder (&folder) != NoError) {
        folder.guid = GS::Guid ();
        if (const GSErrCode made = HostCreateAttributeFolder (&folder); made != NoError)
            RefuseUnfiled (entry, made);
    }
    const bool                           created = HostCreateAttribute (&entry.record, nullptr) == NoError;
    const GS::Array<API_AttributeFolder> noFolders;
    const GS::Array<GS::Guid>            attributes { entry.record.guid };
    const GSErrCode                      filed = HostMoveToAttributeFolder (&noFolders, &attributes, &folder);
    if (created && filed != NoError) {
        const GS::Array<API_AttributeIndex> indices { entry.record.index };
        HostDeleteAttributes (API_MaterialID, &indices);
        RefuseUnfiled (entry, filed);
    }
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
    const GS::Guid id = GuidFromPageText (identifierText);
    if (!id.IsNull () && CatalogueMaterialIds ().contains (id)) {
        const OwnMaterialChanges ownChanges;
        API_Attribute            record;
        if (HostGetMaterial (id, record) == NoError) {
            const GS::Array<API_AttributeIndex> indices { record.index };
            HostDeleteAttributes (API_MaterialID, &indices);
        }
    }
    return GetMaterialsJson ();
}
