// The add-on's one palette: a dockable window whose browser control shows the page.
// At most one exists, held by a module-wide counted reference. [host's UI thread]
#pragma once

#include "Palette/PaletteHooks.hpp"

#include "DGBrowser.hpp"
#include "InterfaceRecords.hpp"
#include "Ref.hpp"

class BrowserPalette : public DG::Palette, public DG::PanelObserver {
public:
    // Creates a palette, loads its page and makes it the held one; it is not yet visible.
    // 'hooks' must outlive the palette.
    static void CreateInstance (const PaletteHooks& hooks);
    static bool HasInstance ();
    // Raises GS::NullReferenceException when no palette is held.
    static BrowserPalette& GetInstance ();
    // Empties the module-wide reference; the last reference destroys the palette. Never raises.
    static void ReleaseInstance () noexcept;
    // [InitializeModule] Registers the palette's control callback with the host.
    static GSErrCode RegisterPaletteControl (APIPaletteControlCallBackProc* controlCallback);

    void ShowPalette ();
    void HidePalette ();

    DG::Browser& GetBrowser () { return browser; }

    ~BrowserPalette () override;

private:
    explicit BrowserPalette (const PaletteHooks& hooks);

    void PanelCloseRequested (const DG::PanelCloseRequestEvent& event, bool* accepted) override;
    void PanelResized (const DG::PanelResizeEvent& event) override;

    const PaletteHooks& hooks;
    DG::Browser         browser;
};
