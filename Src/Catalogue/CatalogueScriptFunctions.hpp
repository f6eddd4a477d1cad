// The page's catalogue functions: the folder tree below "Surfaces/Virel" as catalogue text.
#pragma once

#include "PageBridge/ScriptCalls.hpp"

// "getMaterials": the catalogue text; the argument is not read.
ScriptResult GetMaterialsFunction (ScriptArgument argument);
// "createMaterials": material entries as JSON; the catalogue text afterwards.
ScriptResult CreateMaterialsFunction (ScriptArgument argument);
// "deleteMaterial": a material's identifier text; the catalogue text afterwards.
ScriptResult DeleteMaterialFunction (ScriptArgument argument);
