// The open resource modules: each handle (a small positive integer, counting up from 1 and
// never reused) names the decoded resources of one module file until it is removed.
#pragma once

#include "ModuleResources.hpp"
#include "ResourceImage.hpp"

#include <memory>
#include <string>

namespace RS {

// Registers a module's resources. -1 when the module has none or they cannot be read; damaged
// resources are also reported on standard error, with the module's file and what is wrong.
GSResModule OpenModule (ModuleResources module);

// The resources behind 'handle', or null for -1 and for unknown or removed handles. The
// result stays valid until the handle is removed.
std::shared_ptr<const ResourceImage> FindModule (GSResModule handle);

void CloseModule (GSResModule handle);

}   // namespace RS
