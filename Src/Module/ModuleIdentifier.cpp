#include "Module/ModuleIdentifier.hpp"

#include "Module/ModuleFile.hpp"
#include "Module/ModuleResources.hpp"

API_ModulID OwnModuleIdentifier ()
{
    API_ModulID identifier { 0, 0 };
    if (!RSGetModuleIdentifier (ModuleFile::ResourceModule (), ModuleIdentifierResource, &identifier.developerId, &identifier.localId))
        identifier = { 0, 0 };
    return identifier;
}
