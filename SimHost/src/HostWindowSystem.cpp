#include "HostWindowSystem.hpp"

#include "SimHost/Host.hpp"
#include "SimHost/Transcript.hpp"

#include <algorithm>

namespace SimHost {

namespace {
constexpr Int16 ShowReferenceItem = -32768;
constexpr Int16 ResizeFixPoint = 1;
}   // namespace

void HostWindowSystem::PanelCreated (DG::Panel& panel)
{
    panels.push_back (&panel);
    // a palette is built with the GUID it was registered with
    const auto& registered = Host::Current ().Registrations ().palette;
    if (registered.has_value () && !(panel.GetGuid () == registered->paletteGuid))
        Host::Current ().Violation (Breach::PaletteGuid, panel.GetGuid ().ToUniString ().ToCStr ().Get ());
}

void HostWindowSystem::PanelShown (DG::Panel&, Int16 referenceItem)
{
    if (referenceItem != ShowReferenceItem)
        Host::Current ().Violation (Breach::ShowArgument, "Show (" + std::to_string (referenceItem) + ")");
}

void HostWindowSystem::PanelResizedBy (DG::Panel&, Int16 fixPoint, bool keepOld)
{
    if (fixPoint != ResizeFixPoint || keepOld)
        Host::Current ().Violation (Breach::ResizeArguments,
                                    "Resize fix point " + std::to_string (fixPoint) + (keepOld ? ", keep-old" : ""));
}

void HostWindowSystem::PanelDestroyed (DG::Panel& panel) { std::erase (panels, &panel); }

void HostWindowSystem::UrlOpened (DG::Browser&, const GS::UniString& url) { transcript.Add ({ { "openUrl", url.ToCStr ().Get () } }); }

void HostWindowSystem::ScriptRun (DG::Browser&, const GS::UniString& line) { transcript.Add ({ { "page", line.ToCStr ().Get () } }); }

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
