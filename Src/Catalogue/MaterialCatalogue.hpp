// The catalogue: the material folder tree below ("Surfaces", "Virel"), read afresh each time.
#pragma once

#include "Guid.hpp"

#include <set>
#include <string>

// The catalogue text: compact JSON of the root folder, keys in byte order.
std::string GetMaterialsJson ();
// The materials the catalogue lists (in the root or any folder it reaches), in one walk over
// the folders' content lists; reads no attribute.
std::set<GS::Guid> CatalogueMaterialIds ();
