#include "CatalogueScriptFunctions.hpp"

#include "MaterialCatalogue.hpp"
#include "MaterialChanges.hpp"

ScriptResult GetMaterialsFunction (ScriptArgument) { return MakeResult (GetMaterialsJson ()); }

ScriptResult CreateMaterialsFunction (ScriptArgument argument) { return MakeResult (CreateMaterials (ReadArgumentText (argument))); }

ScriptResult DeleteMaterialFunction (ScriptArgument argument) { return MakeResult (DeleteMaterial (ReadArgumentText (argument))); }
