#include "HostWindowSystem.hpp"

#include "SimHost/Transcript.hpp"

#include <algorithm>

namespace SimHost {

void HostWindowSystem::PanelCreated (DG::Panel& panel) { panels.push_back (&panel); }

void HostWindowSystem::PanelDestroyed (DG::Panel& panel) { std::erase (panels, &panel); }

void HostWindowSystem::UrlOpened (DG::Browser&, const GS::UniString& url)
{
    transcript.Add ({ { "openUrl", url.ToCStr ().Get () } });
}

void HostWindowSystem::ScriptRun (DG::Browser&, const GS::UniString& line)
{
    transcript.Add ({ { "page", line.ToCStr ().Get () } });
}

void HostWindowSystem::ScriptObjectAdded (DG::Browser&, const JS::Object& object)
{
    Line functions = Line::array ();
    for (UInt32 i = 0; i < object.GetItemCount (); ++i)
        functions.push_back (object.GetItem (i).GetName ().ToCStr ().Get ());
    Line line = Line::object ();
    line["scriptObject"] = object.GetName ().ToCStr ().Get ();
    line["functions"] = functions;
    transcript.Add (line);
}

}   // namespace SimHost
