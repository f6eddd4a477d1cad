// What the rest of the add-on does at the moments of the palette's life. The palette knows
// nothing of the page's functions or of paint mode; the module's entry code hands it these.
#pragma once

class BrowserPalette;

struct PaletteHooks {
    // [palette creation] The page has been asked to open: gives it its script object and
    // whatever must hear the project for it.
    void (*pageOpened) (BrowserPalette& palette);
    void (*showing) ();          // before the page hears onShow
    void (*hiding) ();           // before a waiting point input ends and the page hears onHide
    void (*closeRequested) ();   // the user closes the palette: before it hides
};
