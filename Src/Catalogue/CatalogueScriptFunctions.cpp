#include "CatalogueScriptFunctions.hpp"

#include <stdexcept>

ScriptResult GetMaterialsFunction (ScriptArgument) { throw std::logic_error ("getMaterials is not built yet"); }
ScriptResult CreateMaterialsFunction (ScriptArgument) { throw std::logic_error ("createMaterials is not built yet"); }
ScriptResult DeleteMaterialFunction (ScriptArgument) { throw std::logic_error ("deleteMaterial is not built yet"); }
