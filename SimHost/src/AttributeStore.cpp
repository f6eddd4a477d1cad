#include "SimHost/AttributeStore.hpp"

#include <algorithm>

namespace SimHost {

FolderPath PathOf (const GS::Array<GS::UniString>& components)
{
    FolderPath path;
    path.reserve (components.GetSize ());
    for (const GS::UniString& component : components)
        path.emplace_back (component.Bytes (), component.GetLength ());
    return path;
}

GS::Array<GS::UniString> HostPath (const FolderPath& path)
{
    GS::Array<GS::UniString> components;
    components.Reserve (UInt32 (path.size ()));
    for (const std::string& component : path)
        components.Push (GS::UniString (component.data (), component.size (), CC_Default));
    return components;
}

namespace {

// Up to the last byte that is not zero, looking at whole words first.
USize UsedBytes (const API_Attribute& record)
{
    static_assert (sizeof (API_Attribute) % sizeof (UInt64) == 0);
    const auto* bytes = reinterpret_cast<const UInt8*> (&record);
    USize       used = sizeof (API_Attribute);
    for (UInt64 word = 0; used > 0; used -= sizeof word) {
        std::memcpy (&word, bytes + used - sizeof word, sizeof word);
        if (word != 0)
            break;
    }
    while (used > 0 && bytes[used - 1] == 0)
        --used;
    return used;
}

}   // namespace

AttributeStore::AttributeStore ()
{
    folders.emplace_back ();
    folderByPath.emplace (PathKey ({}), Top);
}

// Each component with its length in front, so that no two paths share a key whatever bytes
// their components hold.
std::string AttributeStore::PathKey (const FolderPath& path)
{
    std::string key;
    for (const std::string& component : path) {
        key += std::to_string (component.size ());
        key += ':';
        key += component;
    }
    return key;
}

std::optional<AttributeStore::FolderId> AttributeStore::FolderAt (const FolderPath& path) const
{
    auto found = folderByPath.find (PathKey (path));
    if (found == folderByPath.end ())
        return std::nullopt;
    return found->second;
}

std::optional<AttributeStore::FolderId> AttributeStore::FolderWithGuid (const GS::Guid& guid) const
{
    auto found = folderByGuid.find (guid);
    if (found == folderByGuid.end ())
        return std::nullopt;
    return found->second;
}

std::optional<AttributeStore::FolderId> AttributeStore::FindFolder (const API_AttributeFolder& record) const
{
    if (!record.guid.IsNull ())
        return FolderWithGuid (record.guid);
    return FolderAt (PathOf (record.path));
}

AttributeStore::FolderId AttributeStore::CreateFolder (const FolderPath& path, GuidGenerator& guids)
{
    FolderId   parent = Top;
    FolderPath reached;
    for (const std::string& component : path) {
        reached.push_back (component);
        if (std::optional<FolderId> existing = FolderAt (reached)) {
            parent = *existing;
            continue;
        }
        const FolderId created = folders.size ();
        Folder&        folder = folders.emplace_back ();
        folder.path = reached;
        folder.guid = guids.Next ();
        while (folderByGuid.count (folder.guid) != 0 || materialByGuid.count (folder.guid) != 0)
            folder.guid = guids.Next ();
        folder.parent = parent;
        folders[parent].subfolders.push_back (created);
        folderByPath.emplace (PathKey (reached), created);
        folderByGuid.emplace (folder.guid, created);
        parent = created;
    }
    return parent;
}

bool AttributeStore::IsWithin (FolderId folder, FolderId ancestor) const
{
    for (;;) {
        if (folder == ancestor)
            return true;
        if (folder == Top)
            return false;
        folder = folders[folder].parent;
    }
}

std::optional<AttributeStore::FolderId> AttributeStore::SubfolderNamed (FolderId parent, const std::string& name) const
{
    FolderPath path = folders[parent].path;
    path.push_back (name);
    return FolderAt (path);
}

void AttributeStore::MoveFolder (FolderId folder, FolderId target)
{
    Folder&                moved = folders[folder];
    std::vector<FolderId>& siblings = folders[moved.parent].subfolders;
    siblings.erase (std::find (siblings.begin (), siblings.end (), folder));
    moved.parent = target;
    folders[target].subfolders.push_back (folder);
    Rekey (folder);
}

// Gives a folder and everything below it the paths of their new place.
void AttributeStore::Rekey (FolderId folder)
{
    std::vector<FolderId> pending { folder };
    while (!pending.empty ()) {
        const FolderId current = pending.back ();
        pending.pop_back ();
        Folder& node = folders[current];
        folderByPath.erase (PathKey (node.path));
        FolderPath path = folders[node.parent].path;
        path.push_back (node.path.back ());
        node.path = std::move (path);
        folderByPath[PathKey (node.path)] = current;
        pending.insert (pending.end (), node.subfolders.begin (), node.subfolders.end ());
    }
}

std::vector<AttributeStore::FolderId> AttributeStore::FoldersInOrder () const
{
    std::vector<FolderId> ordered;
    std::vector<FolderId> pending (folders[Top].subfolders.rbegin (), folders[Top].subfolders.rend ());
    while (!pending.empty ()) {
        const FolderId current = pending.back ();
        pending.pop_back ();
        ordered.push_back (current);
        const std::vector<FolderId>& below = folders[current].subfolders;
        pending.insert (pending.end (), below.rbegin (), below.rend ());
    }
    return ordered;
}

AttributeStore::Material* AttributeStore::FindMaterial (const GS::Guid& guid)
{
    auto found = materialByGuid.find (guid);
    return found == materialByGuid.end () ? nullptr : &materials[USize (found->second - 1)];
}

const AttributeStore::Material* AttributeStore::FindMaterial (const GS::Guid& guid) const
{
    auto found = materialByGuid.find (guid);
    return found == materialByGuid.end () ? nullptr : &materials[USize (found->second - 1)];
}

AttributeStore::Material* AttributeStore::MaterialAt (API_AttributeIndex index)
{
    if (index < 1 || USize (index) > materials.size ())
        return nullptr;
    Material& material = materials[USize (index - 1)];
    return material.deleted ? nullptr : &material;
}

AttributeStore::Material& AttributeStore::CreateMaterial (const API_Attribute& record, const GS::Guid& guid)
{
    const API_AttributeIndex index = API_AttributeIndex (materials.size () + 1);
    Material&                material = materials.emplace_back ();
    material.guid = guid;
    material.index = index;
    API_Attribute stored = record;
    stored.typeID = API_MaterialID;
    stored.index = index;
    stored.guid = guid;
    const auto* bytes = reinterpret_cast<const UInt8*> (&stored);
    const USize used = UsedBytes (stored);
    std::memcpy (material.head.data (), bytes, std::min (used, Material::HeadBytes));
    if (used > Material::HeadBytes)
        material.tail.assign (bytes + Material::HeadBytes, bytes + used);
    material.folder = Top;
    material.place = folders[Top].materials.insert (folders[Top].materials.end (), guid);
    materialByGuid.emplace (guid, index);
    return material;
}

API_Attribute AttributeStore::Material::Record () const
{
    API_Attribute record;
    CopyRecordTo (record);
    return record;
}

void AttributeStore::Material::CopyRecordTo (API_Attribute& destination) const
{
    auto* bytes = reinterpret_cast<UInt8*> (&destination);
    std::memcpy (bytes, head.data (), HeadBytes);
    if (!tail.empty ())
        std::memcpy (bytes + HeadBytes, tail.data (), tail.size ());
    std::memset (bytes + HeadBytes + tail.size (), 0, sizeof (API_Attribute) - HeadBytes - tail.size ());
}

void AttributeStore::MoveMaterial (Material& material, FolderId target)
{
    if (material.folder == target)
        return;
    folders[material.folder].materials.erase (material.place);
    material.folder = target;
    material.place = folders[target].materials.insert (folders[target].materials.end (), material.guid);
}

void AttributeStore::DeleteMaterial (Material& material)
{
    folders[material.folder].materials.erase (material.place);
    materialByGuid.erase (material.guid);
    material.deleted = true;
    material.tail = {};
}

std::vector<const AttributeStore::Material*> AttributeStore::MaterialsInOrder () const
{
    std::vector<const Material*> ordered;
    for (const Material& material : materials)
        if (!material.deleted)
            ordered.push_back (&material);
    return ordered;
}

}   // namespace SimHost
