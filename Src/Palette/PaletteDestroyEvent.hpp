// Host event 64: the host destroys the palette.
#pragma once

#include "Definitions.hpp"

constexpr Int32 DestroyPaletteEvent = 64;

// Host event handler, installed at palette creation. [host's UI thread] Event 64 ends a point
// input still waiting (as hiding does), tells the page and releases the palette; always 0,
// never throws.
GSErrCode PaletteEventHandler (Int32 eventCode);
