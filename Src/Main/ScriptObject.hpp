// The script object "archicad" that the page calls.
#pragma once

class BrowserPalette;

// Builds "archicad" with its functions in their fixed order and hands it to the palette's
// browser, which keeps it as long as the palette lives.
void RegisterScriptObject (BrowserPalette& palette);
