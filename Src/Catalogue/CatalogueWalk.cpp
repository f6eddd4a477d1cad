#include "Catalogue/CatalogueWalk.hpp"

#include "HostApi/HostApi.hpp"

#include <vector>

namespace {

struct OpenFolder {
    API_AttributeFolder        folder;
    API_AttributeFolderContent content;
    USize                      nextSubfolder = 0;
};

// Neither result decides anything: a folder the host does not know leaves its content empty.
void Read (OpenFolder& open, const GS::Array<GS::UniString>& path)
{
    open.folder.typeID = API_MaterialID;
    open.folder.path = path;
    HostGetAttributeFolder (&open.folder);
    HostGetAttributeFolderContent (&open.folder, &open.content);
}

}   // namespace

GS::Array<GS::UniString> CatalogueRootPath () { return { GS::UniString ("Surfaces"), GS::UniString ("Virel") }; }

void WalkCatalogue (const CatalogueFolderVisit& enter, const CatalogueFolderVisit& leave)
{
    // the open folders from the root down; the last is the one being read
    std::vector<OpenFolder> open (1);
    open.reserve (CatalogueDepthLimit + 1);
    Read (open.back (), CatalogueRootPath ());
    enter (open.back ().folder, open.back ().content);
    while (!open.empty ()) {
        OpenFolder& current = open.back ();
        const bool  deeper = open.size () <= CatalogueDepthLimit;
        if (deeper && current.nextSubfolder < current.content.subFolders.GetSize ()) {
            const GS::Array<GS::UniString> path = current.content.subFolders[UInt32 (current.nextSubfolder++)].path;
            OpenFolder&                    subfolder = open.emplace_back ();
            Read (subfolder, path);
            enter (subfolder.folder, subfolder.content);
            continue;
        }
        leave (current.folder, current.content);
        open.pop_back ();
    }
}
