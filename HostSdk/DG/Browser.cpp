#include "DGHostWindowSystem.hpp"

#include <algorithm>
#include <utility>

namespace DG {

WindowSystem* CurrentWindowSystem ();

Item::Item (const Panel& owner, Int16 number)
    : panel (const_cast<Panel&> (owner)),
      number (number)
{
    for (const RSDialogItem& described : panel.GetResource ().items) {
        if (described.number == number) {
            width = Int16 (described.width);
            height = Int16 (described.height);
        }
    }
    panel.AddItem (this);
}

Item::~Item () { panel.RemoveItem (this); }

void Item::Resize (Int16 horizontalChange, Int16 verticalChange)
{
    width = Int16 (std::clamp (Int32 (width) + horizontalChange, 0, 32767));
    height = Int16 (std::clamp (Int32 (height) + verticalChange, 0, 32767));
}

Browser::Browser (const Panel& panel, Int16 number)
    : Item (panel, number)
{
    if (WindowSystem* system = CurrentWindowSystem ())
        system->BrowserCreated (*this);
}

Browser::~Browser ()
{
    if (WindowSystem* system = CurrentWindowSystem ())
        system->BrowserDestroyed (*this);
}

void Browser::OpenUrl (const GS::UniString& url)
{
    urls.push_back (url.ToCStr ().Get ());
    if (WindowSystem* system = CurrentWindowSystem ())
        system->UrlOpened (*this, url);
}

void Browser::RunScript (const GS::UniString& line)
{
    lines.push_back (line.ToCStr ().Get ());
    if (WindowSystem* system = CurrentWindowSystem ())
        system->ScriptRun (*this, line);
}

void Browser::AddScriptObject (GS::Ref<JS::Object> object)
{
    scriptObjects.Push (object);
    if (WindowSystem* system = CurrentWindowSystem ())
        system->ScriptObjectAdded (*this, *object);
}

}   // namespace DG
