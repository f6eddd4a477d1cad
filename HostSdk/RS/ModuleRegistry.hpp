// The open resource modules: each handle (a small positive integer, counting up from 1 and
// never reused) names the decoded resources of one module file until it is removed.
#pragma once

#include "ResourceImage.hpp"

#include <memory>
#include <string>

namespace RS {

// Reads the resource section of the module file at 'path' and registers it. -1 when the file
// cannot be read or has no resource section; a damaged file or section is also reported on
// standard error, with the file's path and what is wrong.
GSResModule OpenModule (const std::string& path);

// The resources behind 'handle', or null for -1 and for unknown or removed handles. The
// result stays valid until the handle is removed.
std::shared_ptr<const ResourceImage> FindModule (GSResModule handle);

void CloseModule (GSResModule handle);

}   // namespace RS
