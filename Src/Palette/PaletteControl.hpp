// The host's control of the palette. [host's UI thread] Both return 0 and never throw.
#pragma once

#include "Definitions.hpp"

// Host palette callback: messages 1, 2, 3, 6 and 7. [any time after InitializeModule]
GSErrCode PaletteControlHandler (Int32 referenceNumber, Int32 message, bool* result);
// Host event handler, installed at palette creation; event 64 destroys the palette.
GSErrCode PaletteEventHandler (Int32 eventCode);
