// The window system under DG: the host application implements it to see panels and
// browsers, and uses the functions below to act as the user. With none installed, DG only
// records what it is asked.
#pragma once

#include "DGBrowser.hpp"

namespace DG {

class GSROOT_API WindowSystem {
public:
    virtual ~WindowSystem ();
    virtual void PanelCreated (Panel&) {}
    virtual void PanelDestroyed (Panel&) {}
    virtual void BrowserCreated (Browser&) {}
    virtual void BrowserDestroyed (Browser&) {}
    virtual void UrlOpened (Browser&, const GS::UniString&) {}
    virtual void ScriptRun (Browser&, const GS::UniString&) {}
    virtual void ScriptObjectAdded (Browser&, const JS::Object&) {}
    // What the add-on passed to Show and Resize, for a host that checks it.
    virtual void PanelShown (Panel&, Int16 /*referenceItem*/) {}
    virtual void PanelResizedBy (Panel&, Int16 /*fixPoint*/, bool /*keepOld*/) {}
};

GSROOT_API void SetWindowSystem (WindowSystem* windowSystem);

// The user drags the panel's size by (horizontal, vertical).
GSROOT_API void UserResize (Panel& panel, Int16 horizontalChange, Int16 verticalChange);
// The user clicks the panel's close box; true when an observer accepted.
GSROOT_API bool RequestClose (Panel& panel);

}   // namespace DG
