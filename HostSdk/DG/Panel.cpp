#include "DGHostWindowSystem.hpp"

#include <algorithm>

namespace DG {

namespace {
WindowSystem* windowSystem = nullptr;
}

WindowSystem* CurrentWindowSystem () { return windowSystem; }

WindowSystem::~WindowSystem () = default;
void SetWindowSystem (WindowSystem* system) { windowSystem = system; }

PanelResizeEvent::PanelResizeEvent (Panel* source, Int16 horizontalChange, Int16 verticalChange)
    : source (source),
      horizontalChange (horizontalChange),
      verticalChange (verticalChange)
{}

PanelObserver::PanelObserver () = default;
PanelObserver::~PanelObserver () = default;
void PanelObserver::PanelOpened (const PanelEvent&) {}
void PanelObserver::PanelClosed (const PanelEvent&) {}
void PanelObserver::PanelCloseRequested (const PanelCloseRequestEvent&, bool*) {}
void PanelObserver::PanelContextHelpRequested (const PanelEvent&) {}
void PanelObserver::PanelActivated (const PanelEvent&) {}
void PanelObserver::PanelDeactivated (const PanelEvent&) {}
void PanelObserver::PanelHotkeyPressed (const PanelEvent&) {}
void PanelObserver::PanelIdle (const PanelEvent&) {}
void PanelObserver::PanelBackgroundPaint (const PanelEvent&) {}
void PanelObserver::PanelChangeRegistrationRequested (const PanelEvent&) {}
void PanelObserver::PanelDragEntered (const PanelEvent&) {}
void PanelObserver::PanelDropped (const PanelEvent&) {}
void PanelObserver::PanelMoved (const PanelEvent&) {}
void PanelObserver::PanelResizeEntered (const PanelEvent&) {}
void PanelObserver::PanelResizing (const PanelEvent&) {}
void PanelObserver::PanelResized (const PanelResizeEvent&) {}
void PanelObserver::PanelResizeExited (const PanelEvent&) {}
void PanelObserver::PanelScaleChanged (const PanelEvent&) {}

PanelNotifyHandler::~PanelNotifyHandler () = default;
EventTarget::~EventTarget () = default;
DefaultEventTargetProvider::~DefaultEventTargetProvider () = default;

Panel::Panel (GSResModule resModule, Int16 resId, const GS::Guid& guid)
    : guid (guid)
{
    if (RSGetDialog (resModule, resId, &resource))
        SetSize (Int16 (resource.width), Int16 (resource.height));
    if (windowSystem != nullptr)
        windowSystem->PanelCreated (*this);
}

Panel::~Panel ()
{
    if (windowSystem != nullptr)
        windowSystem->PanelDestroyed (*this);
}

void Panel::Attach (PanelObserver& observer) { observers.Push (&observer); }

void Panel::Detach (PanelObserver& observer)
{
    GS::Array<PanelObserver*> kept;
    for (PanelObserver* attached : observers)
        if (attached != &observer)
            kept.Push (attached);
    observers = kept;
}

Item* Panel::GetItem (Int16 number) const
{
    for (Item* item : items)
        if (item->GetNumber () == number)
            return item;
    return nullptr;
}

void Panel::AddItem (Item* item) { items.Push (item); }

void Panel::RemoveItem (Item* item)
{
    GS::Array<Item*> kept;
    for (Item* held : items)
        if (held != item)
            kept.Push (held);
    items = kept;
}

void Panel::NotifyResized (Int16 horizontalChange, Int16 verticalChange)
{
    const PanelResizeEvent    event (this, horizontalChange, verticalChange);
    GS::Array<PanelObserver*> current = observers;   // an observer may detach while notified
    for (PanelObserver* observer : current)
        observer->PanelResized (event);
}

bool Panel::NotifyCloseRequested ()
{
    const PanelCloseRequestEvent event (this);
    bool                         accepted = false;
    GS::Array<PanelObserver*>    current = observers;
    for (PanelObserver* observer : current)
        observer->PanelCloseRequested (event, &accepted);
    return accepted;
}

Dialog::~Dialog () = default;

void Dialog::BeginMoveResizeItems () { ++moveResizeDepth; }
void Dialog::EndMoveResizeItems () { moveResizeDepth = std::max (0, moveResizeDepth - 1); }

void Dialog::Resize (Int16 horizontalChange, Int16 verticalChange, Int16 fixPoint, bool keepOld)
{
    if (windowSystem != nullptr)
        windowSystem->PanelResizedBy (*this, fixPoint, keepOld);
    UserResize (*this, horizontalChange, verticalChange);
}

ModelessBase::~ModelessBase () = default;
void ModelessBase::BeginEventProcessing () { processingEvents = true; }
void ModelessBase::EndEventProcessing () { processingEvents = false; }
void ModelessBase::Show (Int16 referenceItem)
{
    if (windowSystem != nullptr)
        windowSystem->PanelShown (*this, referenceItem);
    visible = true;
}
void ModelessBase::Hide () { visible = false; }

Palette::Palette (GSResModule resModule, Int16 resId, GSResModule, const GS::Guid& guid)
    : ModelessBase (resModule, resId, guid)
{}
Palette::~Palette () = default;
bool Palette::ProcessCloseEvent () { return true; }
void Palette::Store () {}

void UserResize (Panel& panel, Int16 horizontalChange, Int16 verticalChange)
{
    // a panel is never smaller than 1 × 1; observers hear the change that was made
    const Int32 newWidth = std::clamp (Int32 (panel.width) + horizontalChange, 1, 32767);
    const Int32 newHeight = std::clamp (Int32 (panel.height) + verticalChange, 1, 32767);
    const Int16 madeHorizontal = Int16 (newWidth - panel.width);
    const Int16 madeVertical = Int16 (newHeight - panel.height);
    if (madeHorizontal == 0 && madeVertical == 0)
        return;
    panel.SetSize (Int16 (newWidth), Int16 (newHeight));
    panel.NotifyResized (madeHorizontal, madeVertical);
}

bool RequestClose (Panel& panel) { return panel.NotifyCloseRequested (); }

}   // namespace DG
