// The catalogue: the material folder tree below ("Surfaces", "Virel"), read afresh each time.
#pragma once

#include "Guid.hpp"

#include <string>

// The catalogue text: compact JSON of the root folder, keys in byte order.
std::string GetMaterialsJson ();
// Whether a material is listed by the catalogue (in the root or any folder below it). Walks
// the folders' content lists only; reads no attribute.
bool IsCatalogueMaterial (const GS::Guid& material);
