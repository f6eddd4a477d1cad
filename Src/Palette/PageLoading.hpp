// Opening the page beside the module file.
#pragma once

#include "Location.hpp"

class BrowserPalette;

// The module file's location, built on first use and kept until unload. APIERR_NOTINIT
// (and a cleared output) when it cannot be built.
GSErrCode GetAddOnFileLocation (IO::Location& location);
// [palette creation] Asks the palette's browser to open the page.
void LoadPage (BrowserPalette& palette);
