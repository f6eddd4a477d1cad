#include "Palette/PaletteScriptFunctions.hpp"

#include "Palette/BrowserPalette.hpp"
#include "PageBridge/PageNumbers.hpp"

ScriptResult HidePaletteFunction (ScriptArgument)
{
    BrowserPalette::GetInstance ().HidePalette ();
    return MakeResult ();
}

ScriptResult ResizePaletteFunction (BrowserPalette& palette, ScriptArgument argument)
{
    nlohmann::json size = ParsePageJson (ReadArgumentText (argument));
    const Int16    width = PageInt16 (size["width"]);
    const Int16    height = PageInt16 (size["height"]);
    palette.Resize (Int16 (width - palette.GetWidth ()), Int16 (height - palette.GetHeight ()), 1, false);
    return MakeResult ();
}
