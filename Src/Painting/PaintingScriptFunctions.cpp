#include "Painting/PaintingScriptFunctions.hpp"

#include "HostApi/HostApi.hpp"
#include "Module/ModuleCommand.hpp"
#include "Module/ModuleIdentifier.hpp"
#include "Painting/PaintMode.hpp"

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
