#include "PaintingScriptFunctions.hpp"

#include "EntryPoints.hpp"
#include "HostApi.hpp"
#include "ModuleIdentifier.hpp"
#include "PaintElement.hpp"
#include "PaintMode.hpp"

#include <utility>

ScriptResult PaintElementFunction (ScriptArgument argument) { return PaintElement (std::move (argument)); }

ScriptResult BeginPaintFunction (ScriptArgument)
{
    SetPainting (true);
    // the pick runs later, from the host's event loop, never inside the page's call
    const API_ModulID module = OwnModuleIdentifier ();
    HostCallModuleCommandDeferred (&module, ModuleCommand, ModuleCommandVersion, GSHandle (nullptr), true, static_cast<void*> (nullptr));
    return MakeResult ();
}

ScriptResult EndPaintFunction (ScriptArgument)
{
    // a point input still waiting for the click ends first
    HostCancelInput ();
    SetPainting (false);
    return MakeResult ();
}
