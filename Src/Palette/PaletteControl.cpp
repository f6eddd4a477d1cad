#include "PaletteControl.hpp"

#include "BrowserPalette.hpp"
#include "HostBoundary.hpp"
#include "PageEvents.hpp"

namespace {

enum PaletteMessage : Int32 {
    HideAlways = 1,
    HideIfVisible = 2,
    ShowIfHidden = 3,
    OpenAndShow = 6,
    AskVisible = 7,
};

constexpr Int32 DestroyPaletteEvent = 64;

bool PaletteVisible () { return BrowserPalette::HasInstance () && BrowserPalette::GetInstance ().IsVisible (); }

}   // namespace

GSErrCode PaletteControlHandler (Int32, Int32 message, bool* result)
{
    return CallFromHost ([&] {
        switch (message) {
            case HideAlways:
                if (BrowserPalette::HasInstance ())
                    BrowserPalette::GetInstance ().HidePalette ();
                break;
            case HideIfVisible:
                if (PaletteVisible ())
                    BrowserPalette::GetInstance ().HidePalette ();
                break;
            case ShowIfHidden:
                if (BrowserPalette::HasInstance () && !BrowserPalette::GetInstance ().IsVisible ())
                    BrowserPalette::GetInstance ().ShowPalette ();
                break;
            case OpenAndShow:
                if (!BrowserPalette::HasInstance ())
                    BrowserPalette::CreateInstance ();
                BrowserPalette::GetInstance ().ShowPalette ();
                break;
            case AskVisible:
                if (result != nullptr)
                    *result = PaletteVisible ();
                break;
            default:
                break;
        }
    });
}

GSErrCode PaletteEventHandler (Int32 eventCode)
{
    return CallFromHost ([&] {
        if (eventCode != DestroyPaletteEvent || !BrowserPalette::HasInstance ())
            return;
        RunPageEvent ("VirelEvents.onDestroy();");
        BrowserPalette::ReleaseInstance ();
    });
}
