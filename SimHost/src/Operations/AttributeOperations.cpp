// Material attributes and the material folder tree. The host checks a whole request before
// it changes anything, and tells the attribute-folder handlers after each change.
#include "../HostOperations.hpp"
#include "../Checks/RecordBytes.hpp"

#include <cstring>
#include <unordered_set>

namespace SimHost::Operations {

namespace {

bool IsMaterialFolder (const API_AttributeFolder* folder) { return folder != nullptr && folder->typeID == API_MaterialID; }

API_AttributeFolder FolderRecord (const AttributeStore& store, AttributeStore::FolderId id)
{
    const AttributeStore::Folder& folder = store.GetFolder (id);
    API_AttributeFolder           record;
    record.typeID = API_MaterialID;
    record.path = HostPath (folder.path);
    record.guid = folder.guid;
    return record;
}

}   // namespace

GSErrCode HostGetAttribute (Host& host, API_Attribute* attribute)
{
    if (attribute == nullptr || attribute->typeID != API_MaterialID)
        return APIERR_BADPARS;
    // the record names the material by index or GUID; everything else is zero
    if (const auto dirty = FirstDirtyByte (attribute, sizeof *attribute,
                                           { SpanOf (&API_Attribute::typeID, *attribute), SpanOf (&API_Attribute::index, *attribute),
                                             SpanOf (&API_Attribute::guid, *attribute) }))
        host.Violation (Breach::RecordNotZeroFilled, "HostGetAttribute: byte " + std::to_string (*dirty));
    AttributeStore& store = host.Attributes ();
    // by its GUID when the record names one, otherwise by its index
    AttributeStore::Material* material =
        attribute->guid.IsNull () ? store.MaterialAt (attribute->index) : store.FindMaterial (attribute->guid);
    if (material == nullptr)
        return attribute->guid.IsNull () ? APIERR_BADINDEX : APIERR_BADID;
    if (material->unreadable)
        return APIERR_GENERAL;
    material->CopyRecordTo (*attribute);
    return NoError;
}

GSErrCode HostCreateAttribute (Host& host, API_Attribute* attribute, void*)
{
    if (attribute == nullptr || attribute->typeID != API_MaterialID)
        return APIERR_BADPARS;
    // the name must end inside its field
    if (std::memchr (attribute->name, 0, API_AttributeNameBytes) == nullptr)
        return APIERR_BADNAME;
    AttributeStore& store = host.Attributes ();
    GS::Guid        guid = host.Guids ().Next ();
    while (store.FindMaterial (guid) != nullptr || store.FolderWithGuid (guid).has_value ())
        guid = host.Guids ().Next ();
    AttributeStore::Material& material = store.CreateMaterial (*attribute, guid);
    material.CopyRecordTo (*attribute);
    host.EventHandlers ().AfterCreatedOrMoved (host, { guid });
    return NoError;
}

GSErrCode HostDeleteAttributes (Host& host, Int32 typeID, const GS::Array<API_AttributeIndex>* indices)
{
    if (typeID != API_MaterialID || indices == nullptr)
        return APIERR_BADPARS;
    AttributeStore&                        store = host.Attributes ();
    std::vector<AttributeStore::Material*> doomed;
    std::unordered_set<API_AttributeIndex> seen;
    for (API_AttributeIndex index : *indices) {
        AttributeStore::Material* material = store.MaterialAt (index);
        if (material == nullptr)
            return APIERR_BADINDEX;
        if (seen.insert (index).second)
            doomed.push_back (material);
    }
    std::vector<GS::Guid> deleted;
    for (AttributeStore::Material* material : doomed) {
        deleted.push_back (material->guid);
        store.DeleteMaterial (*material);
    }
    if (!deleted.empty ())
        host.EventHandlers ().AfterChangedOrDeleted (host, deleted);
    return NoError;
}

GSErrCode HostGetAttributeFolder (Host& host, API_AttributeFolder* folder)
{
    if (!IsMaterialFolder (folder))
        return APIERR_BADPARS;
    const AttributeStore&                   store = host.Attributes ();
    std::optional<AttributeStore::FolderId> found = store.FindFolder (*folder);
    if (!found.has_value ())
        return APIERR_BADID;
    *folder = FolderRecord (store, *found);
    return NoError;
}

GSErrCode HostCreateAttributeFolder (Host& host, API_AttributeFolder* folder)
{
    if (!IsMaterialFolder (folder))
        return APIERR_BADPARS;
    AttributeStore&  store = host.Attributes ();
    const FolderPath path = PathOf (folder->path);
    if (store.FolderAt (path).has_value ())
        return APIERR_NAMEALREADYUSED;
    const AttributeStore::FolderId created = store.CreateFolder (path, host.Guids ());
    *folder = FolderRecord (store, created);
    return NoError;
}

GSErrCode HostMoveToAttributeFolder (Host& host, const GS::Array<API_AttributeFolder>* folders, const GS::Array<GS::Guid>* attributes,
                                     const API_AttributeFolder* target)
{
    if (!IsMaterialFolder (target))
        return APIERR_BADPARS;
    AttributeStore&                               store = host.Attributes ();
    const std::optional<AttributeStore::FolderId> destination = store.FindFolder (*target);
    if (!destination.has_value ())
        return APIERR_BADID;

    std::vector<AttributeStore::FolderId> movedFolders;
    std::unordered_set<std::string>       arrivingNames;
    if (folders != nullptr) {
        for (const API_AttributeFolder& record : *folders) {
            if (!IsMaterialFolder (&record))
                return APIERR_BADPARS;
            const std::optional<AttributeStore::FolderId> folder = store.FindFolder (record);
            if (!folder.has_value ())
                return APIERR_BADID;
            if (*folder == AttributeStore::Top || store.IsWithin (*destination, *folder))
                return APIERR_BADPARS;
            if (store.GetFolder (*folder).parent == *destination)
                continue;   // already there
            const std::string& name = store.GetFolder (*folder).path.back ();
            if (store.SubfolderNamed (*destination, name).has_value () || !arrivingNames.insert (name).second)
                return APIERR_NAMEALREADYUSED;
            movedFolders.push_back (*folder);
        }
    }
    std::vector<GS::Guid> movedMaterials;
    if (attributes != nullptr) {
        for (const GS::Guid& guid : *attributes) {
            if (store.FindMaterial (guid) == nullptr)
                return APIERR_BADID;
            movedMaterials.push_back (guid);
        }
    }

    for (AttributeStore::FolderId folder : movedFolders)
        store.MoveFolder (folder, *destination);
    for (const GS::Guid& guid : movedMaterials)
        store.MoveMaterial (*store.FindMaterial (guid), *destination);
    if (!movedMaterials.empty ())
        host.EventHandlers ().AfterCreatedOrMoved (host, movedMaterials);
    return NoError;
}

GSErrCode HostGetAttributeFolderContent (Host& host, const API_AttributeFolder* folder, API_AttributeFolderContent* content)
{
    if (!IsMaterialFolder (folder) || content == nullptr)
        return APIERR_BADPARS;
    const AttributeStore&                         store = host.Attributes ();
    const std::optional<AttributeStore::FolderId> found = store.FindFolder (*folder);
    if (!found.has_value ())
        return APIERR_BADID;
    const AttributeStore::Folder&  listed = store.GetFolder (*found);
    GS::Array<API_AttributeFolder> subFolders;
    subFolders.Reserve (UInt32 (listed.subfolders.size ()));
    for (AttributeStore::FolderId subfolder : listed.subfolders)
        subFolders.Push (FolderRecord (store, subfolder));
    GS::Array<GS::Guid> attributeIds;
    attributeIds.Reserve (UInt32 (listed.materials.size ()));
    for (const GS::Guid& guid : listed.materials)
        attributeIds.Push (guid);
    content->subFolders = std::move (subFolders);
    content->attributeIds = std::move (attributeIds);
    return NoError;
}

}   // namespace SimHost::Operations
