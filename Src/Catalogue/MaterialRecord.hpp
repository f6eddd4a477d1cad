// Between the host's material record and the page's JSON: a record read into a catalogue
// `Surface`, and a createMaterials entry made into a record for a new material.
#pragma once

#include "Catalogue/Surface.hpp"

#include "AttributeRecords.hpp"

#include <nlohmann/json.hpp>

Surface SurfaceFromRecord (const API_Attribute& record);

struct MaterialEntry {
    API_Attribute            record;       // zero but for type, name, colour and reflectances
    GS::Array<GS::UniString> folderPath;   // where the new material goes
    std::string              pathText;     // the same as the page wrote it
};

// Reads every member of one entry ("name", "color", "path", "product", in that order)
// before anything is created, so an entry that fails leaves no trace. A member that is
// missing is looked up as null (and added to the entry as such), which the JSON library then
// refuses with its own type error.
MaterialEntry ReadMaterialEntry (nlohmann::json& entry);
