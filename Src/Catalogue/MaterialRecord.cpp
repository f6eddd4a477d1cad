#include "Catalogue/MaterialRecord.hpp"

#include "Catalogue/CatalogueWalk.hpp"
#include "PageBridge/PageNumbers.hpp"
#include "Catalogue/SplitString.hpp"

#include "CH.hpp"

#include <cstring>
#include <stdexcept>
#include <string>

namespace {

// A colour component of 0.0 to 1.0 as 0 to 255, truncated toward zero. A record that holds
// something else (another tool's material) saturates instead of overflowing.
Int32 ColourByte (double component) { return TruncateToInt32 (component * 255.0); }

}   // namespace

Surface SurfaceFromRecord (const API_Attribute& record)
{
    Surface surface;
    surface.name.assign (record.name, strnlen (record.name, API_AttributeNameBytes));
    surface.id = record.guid.ToUniString ().ToCStr ().Get ();
    surface.red = ColourByte (record.surfaceRed);
    surface.green = ColourByte (record.surfaceGreen);
    surface.blue = ColourByte (record.surfaceBlue);
    surface.ambient = record.ambient;
    surface.diffuse = record.diffuse;
    surface.shine = record.shine;
    surface.specular = record.specular;
    return surface;
}

MaterialEntry ReadMaterialEntry (nlohmann::json& entry)
{
    const std::string name = entry["name"].get<std::string> ();
    nlohmann::json&   color = entry["color"];
    const UInt8       red = PageUInt8 (color["red"]);
    const UInt8       green = PageUInt8 (color["green"]);
    const UInt8       blue = PageUInt8 (color["blue"]);
    const std::string pathText = entry["path"].get<std::string> ();
    nlohmann::json&   product = entry["product"];
    const Int16       ambient = PageInt16 (product["ambient"]);
    const Int16       diffuse = PageInt16 (product["diffuse"]);
    const Int16       shine = PageInt16 (product["shine"]);
    const Int16       specular = PageInt16 (product["specular"]);

    MaterialEntry made;
    BNZeroMemory (&made.record, sizeof made.record);
    made.record.typeID = API_MaterialID;
    // a name too long for the field loses its last whole characters, never part of one
    CHTruncate (name.c_str (), made.record.name, Int32 (API_AttributeNameBytes));
    made.record.surfaceRed = red / 255.0;
    made.record.surfaceGreen = green / 255.0;
    made.record.surfaceBlue = blue / 255.0;
    made.record.ambient = ambient;
    made.record.diffuse = diffuse;
    made.record.shine = shine;
    made.record.specular = specular;
    made.folderPath = SplitString (pathText, "/");
    made.pathText = pathText;
    // a folder the catalogue could not list would hold a material the page cannot reach
    if (made.folderPath.GetSize () > CatalogueRootPath ().GetSize () + CatalogueDepthLimit)
        throw std::invalid_argument ("The folder path nests deeper than " + std::to_string (CatalogueDepthLimit) +
                                     " levels below Surfaces/Virel.");
    return made;
}
