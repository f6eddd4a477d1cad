#include "ModuleIdentifier.hpp"

#include "ModuleFile.hpp"

namespace {
constexpr Int32 ModuleIdentifierResource = 32500;
}

API_ModulID OwnModuleIdentifier ()
{
    API_ModulID identifier { 0, 0 };
    if (!RSGetModuleIdentifier (ModuleFile::ResourceModule (), ModuleIdentifierResource, &identifier.developerId, &identifier.localId))
        identifier = { 0, 0 };
    return identifier;
}
