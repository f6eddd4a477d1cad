// Reading the catalogue's folders and materials from the host, afresh each time.
#pragma once

#include "Catalogue/Folder.hpp"

// The root folder with its subfolders (depth first, each folder's subfolders before its own
// materials) and materials, in the host's order, down to CatalogueDepthLimit levels below the
// root. A folder the host does not know reads as empty. A material the host cannot read is
// reported to the user and left out.
Folder ReadCatalogue ();
