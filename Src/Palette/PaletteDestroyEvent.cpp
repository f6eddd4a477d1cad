#include "Palette/PaletteDestroyEvent.hpp"

#include "HostApi/HostApi.hpp"
#include "HostApi/HostBoundary.hpp"
#include "PageBridge/PageEvents.hpp"
#include "Palette/BrowserPalette.hpp"

GSErrCode PaletteEventHandler (Int32 eventCode)
{
    return CallFromHost ([&] {
        if (eventCode != DestroyPaletteEvent || !BrowserPalette::HasInstance ())
            return;
        // a point input still waiting would hand its click to no page, or to the next palette's
        HostCancelInput ();
        RunPageEvent ("VirelEvents.onDestroy();");
        BrowserPalette::ReleaseInstance ();
    });
}
