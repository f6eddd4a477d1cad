#include "Main/ScriptObject.hpp"

#include "Catalogue/CatalogueScriptFunctions.hpp"
#include "Painting/PaintElement.hpp"
#include "Painting/PaintingScriptFunctions.hpp"
#include "Palette/BrowserPalette.hpp"
#include "Palette/PaletteScriptFunctions.hpp"

#include <utility>

namespace {

struct NamedFunction {
    const char*      name;
    JS::FunctionBody body;
};

}   // namespace

void RegisterScriptObject (BrowserPalette& palette)
{
    BrowserPalette* const owner = &palette;
    // In the order the page sees them.
    const NamedFunction functions[] = {
        { "hide", &HidePaletteFunction },
        { "getMaterials", &GetMaterialsFunction },
        { "resize", [owner] (ScriptArgument argument) { return ResizePaletteFunction (*owner, std::move (argument)); } },
        { "paintElement", &PaintElement },
        { "beginPaint", &BeginPaintFunction },
        { "endPaint", &EndPaintFunction },
        { "deleteMaterial", &DeleteMaterialFunction },
        { "createMaterials", &CreateMaterialsFunction },
    };

    GS::Ref<JS::Object> archicad (new JS::Object (GS::UniString ("archicad")));
    for (const NamedFunction& function : functions)
        archicad->AddItem (new JS::Function (GS::UniString (function.name), function.body));
    palette.GetBrowser ().AddScriptObject (archicad);
}
