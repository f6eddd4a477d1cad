#include "Palette/BrowserPalette.hpp"

#include "HostApi/HostApi.hpp"
#include "HostApi/HostBoundary.hpp"
#include "Module/Lasting.hpp"
#include "Module/ModuleFile.hpp"
#include "Module/ModuleResources.hpp"
#include "PageBridge/PageEvents.hpp"
#include "Palette/PageLoading.hpp"
#include "Palette/PaletteDestroyEvent.hpp"
#include "Palette/PaletteIdentity.hpp"

#include "CH.hpp"

namespace {

constexpr Int16 BrowserItem = 1;
constexpr Int16 ResourceWidth = 600;
constexpr Int16 ResourceHeight = 450;
constexpr Int32 PaletteFlags = 1015;

// released by the unload step, never by the static teardown (which may come first)
Lasting<GS::Ref<BrowserPalette>> instance;

}   // namespace

BrowserPalette::BrowserPalette (const PaletteHooks& hooks)
    : DG::Palette (ModuleFile::ResourceModule (), PaletteDialog, ModuleFile::ResourceModule (), PaletteGuid ()),
      DG::PanelObserver (),
      hooks (hooks),
      browser (*this, BrowserItem)
{}

BrowserPalette::~BrowserPalette ()
{
    EndEventProcessing ();
    HostClearNotifyHandler (nullptr);
}

void BrowserPalette::CreateInstance (const PaletteHooks& hooks)
{
    // held locally until it is complete, so that a failure part-way frees it
    GS::Ref<BrowserPalette> palette (new BrowserPalette (hooks));
    HostCatchEvents (DestroyPaletteEvent, &PaletteEventHandler);
    palette->Attach (*palette);
    palette->BeginEventProcessing ();
    LoadPage (*palette);
    hooks.pageOpened (*palette);
    RunPageEventIn (palette->browser, "VirelEvents.onCreated()");
    if (instance->GetPtr () != palette.GetPtr ()) {
        *instance = palette;
        SetEventPage (&palette->browser);
    }
    HostKeepModuleLoaded (true);
}

bool BrowserPalette::HasInstance () { return instance->HasCounter (); }

BrowserPalette& BrowserPalette::GetInstance () { return instance->Get (); }

void BrowserPalette::ReleaseInstance () noexcept
{
    try {
        SetEventPage (nullptr);
        instance->Clear ();
    } catch (...) {
    }
}

GSErrCode BrowserPalette::RegisterPaletteControl (APIPaletteControlCallBackProc* controlCallback)
{
    API_PaletteRegistration registration;
    BNFillMemory (&registration, sizeof registration, 0);
    registration.referenceNumber = PaletteReferenceNumber ();
    registration.controlCallback = controlCallback;
    registration.flags = PaletteFlags;
    registration.paletteGuid = PaletteGuid ();
    return HostRegisterModelessWindow (&registration);
}

void BrowserPalette::ShowPalette ()
{
    hooks.showing ();
    RunPageEvent ("VirelEvents.onShow();");
    Show (-32768);
}

void BrowserPalette::HidePalette ()
{
    hooks.hiding ();
    HostCancelInput ();
    RunPageEvent ("VirelEvents.onHide();");
    Hide ();
}

void BrowserPalette::PanelCloseRequested (const DG::PanelCloseRequestEvent&, bool* accepted)
{
    CallFromHost ([&] {
        HostClearNotifyHandler (nullptr);
        hooks.closeRequested ();
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
