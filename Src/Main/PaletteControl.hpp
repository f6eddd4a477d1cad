// The host's control of the palette, and the palette as the add-on opens it. [host's UI thread]
#pragma once

#include "Definitions.hpp"

// Host palette callback: messages 1, 2, 3, 6 and 7. [any time after InitializeModule]
// Returns 0 and never throws.
GSErrCode PaletteControlHandler (Int32 referenceNumber, Int32 message, bool* result);

// Creates the palette when none is held, then shows it.
void OpenPalette ();
bool PaletteVisible ();
