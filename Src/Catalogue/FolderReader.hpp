// Reading a material folder and everything below it from the host, afresh each time.
#pragma once

#include "Catalogue/Folder.hpp"

// The catalogue root: ("Surfaces", "Virel").
GS::Array<GS::UniString> CatalogueRootPath ();

// The folder at 'path' with its subfolders (depth first, each folder's subfolders before its
// own materials) and materials, in the host's order. A folder the host does not know reads
// as empty. A material the host cannot read is reported to the user and left out.
Folder ReadFolder (const GS::Array<GS::UniString>& path);
