// The page's functions served by the palette itself.
#pragma once

#include "PageBridge/ScriptCalls.hpp"

class BrowserPalette;

// "hide": hides the held palette; the argument is not read.
ScriptResult HidePaletteFunction (ScriptArgument argument);
// "resize": {"width", "height"} as the palette's wanted size; resizes the palette that
// registered the page's object.
ScriptResult ResizePaletteFunction (BrowserPalette& palette, ScriptArgument argument);
