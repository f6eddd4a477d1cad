#include "Palette/PaletteDestroyEvent.hpp"

#include "HostApi/HostBoundary.hpp"
#include "PageBridge/PageEvents.hpp"
#include "Palette/BrowserPalette.hpp"

GSErrCode PaletteEventHandler (Int32 eventCode)
{
    return CallFromHost ([&] {
        if (eventCode != DestroyPaletteEvent || !BrowserPalette::HasInstance ())
            return;
        RunPageEvent ("VirelEvents.onDestroy();");
        BrowserPalette::ReleaseInstance ();
    });
}
