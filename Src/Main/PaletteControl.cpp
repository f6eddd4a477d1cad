#include "Main/PaletteControl.hpp"

#include "HostApi/HostBoundary.hpp"
#include "Main/PaletteParts.hpp"
#include "Palette/BrowserPalette.hpp"

namespace {

enum PaletteMessage : Int32 {
    HideAlways = 1,
    HideIfVisible = 2,
    ShowIfHidden = 3,
    OpenAndShow = 6,
    AskVisible = 7,
};

}   // namespace

void OpenPalette ()
{
    if (!BrowserPalette::HasInstance ())
        BrowserPalette::CreateInstance (AddOnPaletteHooks ());
    BrowserPalette::GetInstance ().ShowPalette ();
}

bool PaletteVisible () { return BrowserPalette::HasInstance () && BrowserPalette::GetInstance ().IsVisible (); }

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
            case OpenAndShow: OpenPalette (); break;
            case AskVisible:
                if (result != nullptr)
                    *result = PaletteVisible ();
                break;
            default: break;
        }
    });
}
