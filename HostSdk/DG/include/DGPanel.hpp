// DG: the host's dialogs and palettes. A panel has a size, items and observers; palettes are
// modeless dialogs that the host shows and hides. [host's UI thread]
#pragma once

#include "Array.hpp"
#include "EventObserver.hpp"
#include "Guid.hpp"
#include "MemoryManager.hpp"
#include "RS.hpp"

namespace DG {

class Panel;
class Item;

class GSROOT_API PanelResizeEvent {
public:
    PanelResizeEvent (Panel* source, Int16 horizontalChange, Int16 verticalChange);
    Panel* GetSource () const { return source; }
    Int16  GetHorizontalChange () const { return horizontalChange; }
    Int16  GetVerticalChange () const { return verticalChange; }

private:
    Panel* source;
    Int16  horizontalChange;
    Int16  verticalChange;
};

class GSROOT_API PanelCloseRequestEvent {
public:
    explicit PanelCloseRequestEvent (Panel* source)
        : source (source)
    {}
    Panel* GetSource () const { return source; }

private:
    Panel* source;
};

class GSROOT_API PanelEvent {
public:
    explicit PanelEvent (Panel* source)
        : source (source)
    {}
    Panel* GetSource () const { return source; }

private:
    Panel* source;
};

// Observer of a panel; every notification does nothing unless overridden. The numbers are
// the slots of its virtual table.
class GSROOT_API PanelObserver : public GS::EventObserver {
public:
    PanelObserver ();
    ~PanelObserver () override;                                                         // 0
    virtual void PanelOpened (const PanelEvent&);                                       // 1
    virtual void PanelClosed (const PanelEvent&);                                       // 2
    virtual void PanelCloseRequested (const PanelCloseRequestEvent&, bool* accepted);   // 3
    virtual void PanelContextHelpRequested (const PanelEvent&);                         // 4
    virtual void PanelActivated (const PanelEvent&);                                    // 5
    virtual void PanelDeactivated (const PanelEvent&);                                  // 6
    virtual void PanelHotkeyPressed (const PanelEvent&);                                // 7
    virtual void PanelIdle (const PanelEvent&);                                         // 8
    virtual void PanelBackgroundPaint (const PanelEvent&);                              // 9
    virtual void PanelChangeRegistrationRequested (const PanelEvent&);                  // 10
    virtual void PanelDragEntered (const PanelEvent&);                                  // 11
    virtual void PanelDropped (const PanelEvent&);                                      // 12
    virtual void PanelMoved (const PanelEvent&);                                        // 13
    virtual void PanelResizeEntered (const PanelEvent&);                                // 14
    virtual void PanelResizing (const PanelEvent&);                                     // 15
    virtual void PanelResized (const PanelResizeEvent&);                                // 16
    virtual void PanelResizeExited (const PanelEvent&);                                 // 17
    virtual void PanelScaleChanged (const PanelEvent&);                                 // 18
};

class GSROOT_API PanelNotifyHandler {
public:
    virtual ~PanelNotifyHandler ();
};

class GSROOT_API EventTarget {
public:
    virtual ~EventTarget ();
};

class GSROOT_API DefaultEventTargetProvider {
public:
    virtual ~DefaultEventTargetProvider ();
};

class GSROOT_API Panel : public GS::EventSource, public PanelNotifyHandler, public EventTarget, public DefaultEventTargetProvider {
public:
    GS_HOST_HEAP_OBJECT

    Panel (const Panel&) = delete;
    Panel& operator= (const Panel&) = delete;
    ~Panel () override;

    void Attach (PanelObserver& observer);
    void Detach (PanelObserver& observer);

    Int16 GetWidth () const { return width; }
    Int16 GetHeight () const { return height; }

    // The dialog resource the panel was built from (empty when it could not be read).
    const RSDialog& GetResource () const { return resource; }
    Item*           GetItem (Int16 number) const;
    const GS::Guid& GetGuid () const { return guid; }

protected:
    Panel (GSResModule resModule, Int16 resId, const GS::Guid& guid);

    void SetSize (Int16 newWidth, Int16 newHeight)
    {
        width = newWidth;
        height = newHeight;
    }
    void NotifyResized (Int16 horizontalChange, Int16 verticalChange);
    bool NotifyCloseRequested ();

private:
    friend class Item;
    friend void UserResize (Panel&, Int16, Int16);
    friend bool RequestClose (Panel&);

    void AddItem (Item* item);
    void RemoveItem (Item* item);

    RSDialog                  resource;
    GS::Guid                  guid;
    Int16                     width = 0;
    Int16                     height = 0;
    GS::Array<PanelObserver*> observers;
    GS::Array<Item*>          items;
};

class GSROOT_API Dialog : public Panel {
public:
    ~Dialog () override;

    void BeginMoveResizeItems ();
    void EndMoveResizeItems ();
    // Resizes the dialog by (horizontal, vertical), never below 1 × 1, and notifies the
    // observers like a resize by the user; a change of nothing notifies nobody.
    void Resize (Int16 horizontalChange, Int16 verticalChange, Int16 fixPoint = 1, bool keepOld = false);

protected:
    using Panel::Panel;

private:
    Int32 moveResizeDepth = 0;
};

class GSROOT_API ModelessBase : public Dialog {
public:
    ~ModelessBase () override;

    void BeginEventProcessing ();
    void EndEventProcessing ();
    bool IsProcessingEvents () const { return processingEvents; }

    void Show (Int16 referenceItem = -32768);
    void Hide ();
    bool IsVisible () const { return visible; }

protected:
    using Dialog::Dialog;

private:
    bool processingEvents = false;
    bool visible = false;
};

class GSROOT_API Palette : public ModelessBase {
public:
    Palette (GSResModule resModule, Int16 resId, GSResModule dialIconResModule, const GS::Guid& guid);
    ~Palette () override;

    virtual bool ProcessCloseEvent ();
    virtual void Store ();
};

// A dialog item, built on a panel from the panel's dialog resource.
class GSROOT_API Item {
public:
    Item (const Panel& panel, Int16 number);
    Item (const Item&) = delete;
    Item& operator= (const Item&) = delete;
    virtual ~Item ();

    void   Resize (Int16 horizontalChange, Int16 verticalChange);
    Int16  GetWidth () const { return width; }
    Int16  GetHeight () const { return height; }
    Int16  GetNumber () const { return number; }
    Panel& GetPanel () const { return panel; }

private:
    Panel& panel;
    Int16  number;
    Int16  width = 0;
    Int16  height = 0;
};

}   // namespace DG
