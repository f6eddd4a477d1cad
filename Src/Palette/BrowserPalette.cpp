#include "BrowserPalette.hpp"

#include "HostApi.hpp"
#include "HostBoundary.hpp"
#include "ModuleFile.hpp"
#include "PageEvents.hpp"
#include "PageLoading.hpp"
#include "PaintMode.hpp"
#include "PaletteControl.hpp"
#include "PaletteIdentity.hpp"
#include "AttributeFolderEvents.hpp"

#include "CH.hpp"

namespace {

constexpr Int16 PaletteDialog = 32600;
constexpr Int16 BrowserItem = 1;
constexpr Int16 ResourceWidth = 600;
constexpr Int16 ResourceHeight = 450;
constexpr Int32 PaletteFlags = 1015;
constexpr Int32 DestroyPaletteEvent = 64;

GS::Ref<BrowserPalette> instance;

}   // namespace

BrowserPalette::BrowserPalette ()
    : DG::Palette (ModuleFile::ResourceModule (), PaletteDialog, ModuleFile::ResourceModule (), PaletteGuid ()),
      DG::PanelObserver (),
      browser (*this, BrowserItem)
{
}

BrowserPalette::~BrowserPalette ()
{
    EndEventProcessing ();
    HostClearNotifyHandler (nullptr);
}

void BrowserPalette::CreateInstance ()
{
    // held locally until it is complete, so that a failure part-way frees it
    GS::Ref<BrowserPalette> palette (new BrowserPalette ());
    HostCatchEvents (DestroyPaletteEvent, &PaletteEventHandler);
    palette->Attach (*palette);
    palette->BeginEventProcessing ();
    LoadPage (*palette);
    RegisterAttributeFolderHandler ();
    RunPageEventIn (*palette, "VirelEvents.onCreated()");
    if (instance.GetPtr () != palette.GetPtr ())
        instance = palette;
    HostKeepModuleLoaded (true);
}

bool BrowserPalette::HasInstance () { return instance.HasCounter (); }

BrowserPalette& BrowserPalette::GetInstance () { return instance.Get (); }

void BrowserPalette::ReleaseInstance () noexcept
{
    try {
        instance.Clear ();
    } catch (...) {
    }
}

GSErrCode BrowserPalette::RegisterPaletteControl ()
{
    API_PaletteRegistration registration;
    BNFillMemory (&registration, sizeof registration, 0);
    registration.referenceNumber = PaletteReferenceNumber ();
    registration.controlCallback = &PaletteControlHandler;
    registration.flags = PaletteFlags;
    registration.paletteGuid = PaletteGuid ();
    return HostRegisterModelessWindow (&registration);
}

void BrowserPalette::ShowPalette ()
{
    SetPainting (IsPainting ());
    RunPageEvent ("VirelEvents.onShow();");
    Show (-32768);
}

void BrowserPalette::HidePalette ()
{
    SetPainting (false);   // clears paint mode, asks for the toolbox mode, tells the page
    HostCancelInput ();
    RunPageEvent ("VirelEvents.onHide();");
    Hide ();
}

void BrowserPalette::PanelCloseRequested (const DG::PanelCloseRequestEvent&, bool* accepted)
{
    CallFromHost ([&] {
        HostClearNotifyHandler (nullptr);
        HostSetToolboxMode (&ToolboxRecord ());
        HidePalette ();
        *accepted = true;
    });
}

void BrowserPalette::PanelResized (const DG::PanelResizeEvent& event)
{
    CallFromHost ([&] {
        const Int16 dx = event.GetHorizontalChange ();
        const Int16 dy = event.GetVerticalChange ();
        BeginMoveResizeItems ();
        browser.Resize (dx, dy);
        EndMoveResizeItems ();
        // the resource size is not one the palette keeps: it goes back to where it was
        if (GetWidth () == ResourceWidth && GetHeight () == ResourceHeight)
            Resize (Int16 (-dx), Int16 (-dy), 1, false);
    });
}
