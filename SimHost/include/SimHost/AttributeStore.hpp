// The project's material attributes and the material folder tree.
//
// Materials get the indices 1, 2, 3, ... in creation order, never reused, and keep their
// whole host record. Folders are named by their path from the top of the tree (the top
// itself has the empty path); each lists its subfolders and its materials in the order they
// arrived. A new material sits at the top until it is moved. Lookups by GUID, by index and
// by path take constant time, so the host stays fast for large projects.
#pragma once

#include "AttributeRecords.hpp"
#include "SimHost/GuidGenerator.hpp"

#include <array>
#include <cstddef>
#include <cstring>
#include <deque>
#include <functional>
#include <list>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace SimHost {

// A folder path: its components' bytes, from the top of the tree down.
using FolderPath = std::vector<std::string>;

FolderPath               PathOf (const GS::Array<GS::UniString>& components);
GS::Array<GS::UniString> HostPath (const FolderPath& path);

struct GuidHash {
    std::size_t operator() (const GS::Guid& guid) const
    {
        UInt64 halves[2];
        std::memcpy (halves, &guid, sizeof halves);
        return std::hash<UInt64> () (halves[0] ^ (halves[1] * 0x9E3779B97F4A7C15ull));
    }
};

class AttributeStore {
public:
    using FolderId = std::size_t;
    static constexpr FolderId Top = 0;

    struct Folder {
        FolderPath            path;
        GS::Guid              guid;   // null for the top
        FolderId              parent = Top;
        std::vector<FolderId> subfolders;   // in insertion order
        std::list<GS::Guid>   materials;    // in insertion order
    };

    struct Material {
        GS::Guid                      guid;
        API_AttributeIndex            index = 0;
        FolderId                      folder = Top;
        std::list<GS::Guid>::iterator place;   // in its folder's list
        bool                          deleted = false;
        bool                          unreadable = false;
        // The whole record, index and GUID filled in: its bytes up to the surface colour here,
        // the rest in 'tail' only as far as it is not zero, so that reading a large catalogue
        // touches little memory.
        static constexpr USize       HeadBytes = offsetof (API_Attribute, surfaceBlue) + sizeof (double);
        std::array<UInt8, HeadBytes> head {};
        std::vector<UInt8>           tail;

        API_Attribute Record () const;
        void          CopyRecordTo (API_Attribute& destination) const;
    };

    AttributeStore ();

    // Folders.
    const Folder&           GetFolder (FolderId folder) const { return folders[folder]; }
    std::optional<FolderId> FolderAt (const FolderPath& path) const;
    std::optional<FolderId> FolderWithGuid (const GS::Guid& guid) const;
    // A host folder record names its folder by its GUID when that is not null, else by its path.
    std::optional<FolderId> FindFolder (const API_AttributeFolder& record) const;
    // The folder at 'path', made with any missing parents (each gets a new GUID).
    FolderId CreateFolder (const FolderPath& path, GuidGenerator& guids);
    // Whether 'folder' is 'ancestor' or lies below it.
    bool IsWithin (FolderId folder, FolderId ancestor) const;
    // Moves a folder with everything below it into 'target'. The caller checks that target is
    // not inside the folder and holds no folder of the same name.
    void                    MoveFolder (FolderId folder, FolderId target);
    std::optional<FolderId> SubfolderNamed (FolderId parent, const std::string& name) const;
    // Every folder but the top, each before its subfolders, in insertion order.
    std::vector<FolderId> FoldersInOrder () const;

    // Materials.
    Material*       FindMaterial (const GS::Guid& guid);
    const Material* FindMaterial (const GS::Guid& guid) const;
    Material*       MaterialAt (API_AttributeIndex index);
    // Files 'record' as a new material at the top of the tree, with the next index and 'guid'
    // (unused, not null); returns the stored material.
    Material& CreateMaterial (const API_Attribute& record, const GS::Guid& guid);
    void      MoveMaterial (Material& material, FolderId target);
    void      DeleteMaterial (Material& material);
    // Every material not deleted, in index order.
    std::vector<const Material*> MaterialsInOrder () const;

private:
    static std::string PathKey (const FolderPath& path);
    void               Rekey (FolderId folder);

    std::deque<Folder>                                         folders;
    std::unordered_map<std::string, FolderId>                  folderByPath;
    std::unordered_map<GS::Guid, FolderId, GuidHash>           folderByGuid;
    std::deque<Material>                                       materials;   // at index - 1; never moved
    std::unordered_map<GS::Guid, API_AttributeIndex, GuidHash> materialByGuid;
};

}   // namespace SimHost
