// The catalogue: the material folder tree below ("Surfaces", "Virel"), read afresh each time.
#pragma once

#include "Guid.hpp"

#include <set>
#include <string>

// The catalogue text, for the page: compact JSON of the root folder, keys in byte order. The
// materials it lists are remembered as the ones the page was last shown.
std::string GetMaterialsJson ();
// Whether the last catalogue text handed out listed 'material'.
bool WasInSentCatalogue (const GS::Guid& material);
// The materials the catalogue lists (in the root or any folder it reaches), in one walk over
// the folders' content lists; reads no attribute.
std::set<GS::Guid> CatalogueMaterialIds ();
