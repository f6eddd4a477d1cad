#include "Catalogue/CatalogueScriptFunctions.hpp"

#include "Catalogue/MaterialCatalogue.hpp"
#include "Catalogue/MaterialChanges.hpp"

ScriptResult GetMaterialsFunction (ScriptArgument) { return MakeResult (GetMaterialsJson ()); }

ScriptResult CreateMaterialsFunction (ScriptArgument argument) { return MakeResult (CreateMaterials (ReadArgumentText (argument))); }

ScriptResult DeleteMaterialFunction (ScriptArgument argument) { return MakeResult (DeleteMaterial (ReadArgumentText (argument))); }
