// What the page changes in the project: new materials filed in folders, and deleted ones.
// Both answer with the catalogue text afterwards. The host operations' own results are not
// examined: the catalogue that follows shows what the host made of the request.
#pragma once

#include <string>

// One material per entry of the JSON text (an array's elements, an object's values in key
// order, nothing for null, any other value as the one entry), each moved into the folder its
// "path" names, which is made when missing. A JSON error, a path nesting deeper than the
// catalogue reaches, or a material the host will not file in its folder (it is deleted again)
// ends the call with an exception at the failing entry; the entries before it keep their
// materials.
std::string CreateMaterials (const std::string& entriesText);

// Deletes the material that the identifier text names, but only one that the catalogue
// lists: the page cannot reach the architect's other materials.
std::string DeleteMaterial (const std::string& identifierText);
