// How the features meet at the palette: its page gets the script object and the
// attribute-folder observer; showing and hiding it carry paint mode along.
#pragma once

#include "Palette/PaletteHooks.hpp"

const PaletteHooks& AddOnPaletteHooks ();
