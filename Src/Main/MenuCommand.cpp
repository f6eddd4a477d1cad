#include "BrowserPalette.hpp"
#include "EntryPoints.hpp"
#include "HostBoundary.hpp"

namespace {
constexpr Int32 OpenPaletteItem = 1;
}

// Toggles the palette: a visible one is hidden; otherwise it is created if needed and shown.
GSErrCode MenuCommandHandler (const API_MenuParams* params)
{
    return CallFromHost ([&] {
        if (params == nullptr || params->menuResId != MenuStringList || params->itemIndex != OpenPaletteItem)
            return;
        if (BrowserPalette::HasInstance () && BrowserPalette::GetInstance ().IsVisible ()) {
            BrowserPalette::GetInstance ().HidePalette ();
            return;
        }
        if (!BrowserPalette::HasInstance ())
            BrowserPalette::CreateInstance ();
        BrowserPalette::GetInstance ().ShowPalette ();
    });
}
