// One material folder of the catalogue with everything below it. A plain value; copies
// are deep (the whole subtree).
#pragma once

#include "Catalogue/Surface.hpp"

#include "Array.hpp"
#include "UniString.hpp"

struct Folder {
    GS::Array<GS::UniString> path;       // from the top of the host's folder tree down to this folder
    GS::Array<Folder>        folders;    // in the host's order
    GS::Array<Surface>       surfaces;   // the materials directly here, in the host's order
};
