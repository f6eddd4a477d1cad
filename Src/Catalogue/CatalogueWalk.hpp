// The one walk over the catalogue's folders: the material folder tree below ("Surfaces",
// "Virel"), read from the host folder by folder without recursion, so no depth of folders
// the project holds can exhaust the stack.
#pragma once

#include "AttributeRecords.hpp"

#include <functional>

// How many levels below the root the catalogue reaches: deeper folders, and the materials in
// them, are not part of it.
constexpr USize CatalogueDepthLimit = 64;

GS::Array<GS::UniString> CatalogueRootPath ();

// What the walk hands over for each folder it reads: the folder record (as the host completed
// it) and its content. A folder the host does not know has empty content.
using CatalogueFolderVisit = std::function<void (const API_AttributeFolder& folder, const API_AttributeFolderContent& content)>;

// Reads the root and every folder below it down to CatalogueDepthLimit levels, depth first in
// the host's order: 'enter' when a folder has been read, before its subfolders; 'leave' after
// its subfolders, before its next sibling. Per folder the host is asked for the folder
// record, then for its content.
void WalkCatalogue (const CatalogueFolderVisit& enter, const CatalogueFolderVisit& leave);
