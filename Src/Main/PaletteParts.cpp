#include "Main/PaletteParts.hpp"

#include "Catalogue/AttributeFolderEvents.hpp"
#include "HostApi/HostApi.hpp"
#include "Main/ScriptObject.hpp"
#include "Painting/PaintMode.hpp"

namespace {

void PageOpened (BrowserPalette& palette)
{
    RegisterScriptObject (palette);
    RegisterAttributeFolderHandler ();
}

// the page hears the paint mode it is in again
void Showing () { SetPainting (IsPainting ()); }

// clears paint mode, asks for the toolbox mode, tells the page
void Hiding () { SetPainting (false); }

void CloseRequested () { HostSetToolboxMode (&ToolboxRecord ()); }

constexpr PaletteHooks hooks { &PageOpened, &Showing, &Hiding, &CloseRequested };

}   // namespace

const PaletteHooks& AddOnPaletteHooks () { return hooks; }
