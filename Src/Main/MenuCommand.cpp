#include "HostApi/HostBoundary.hpp"
#include "Main/EntryPoints.hpp"
#include "Main/PaletteControl.hpp"
#include "Module/ModuleResources.hpp"
#include "Palette/BrowserPalette.hpp"

namespace {
constexpr Int32 OpenPaletteItem = 1;
}

// Toggles the palette: a visible one is hidden; otherwise it is created if needed and shown.
GSErrCode MenuCommandHandler (const API_MenuParams* params)
{
    return CallFromHost ([&] {
        if (params == nullptr || params->menuResId != MenuStringList || params->itemIndex != OpenPaletteItem)
            return;
        if (PaletteVisible ())
            BrowserPalette::GetInstance ().HidePalette ();
        else
            OpenPalette ();
    });
}
