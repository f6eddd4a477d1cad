// The add-on's own file: its path, taken when the library is loaded, and its resources.
#pragma once

#include "RS.hpp"

#include <string>

namespace ModuleFile {

// [library load] Keeps the module handle and the absolute path of the module file, and
// opens the module's resources.
void Load ();
// [library unload] Closes the resources, writes the abnormal-termination line when the host
// never released the module, then releases the palette.
void Unload ();

const std::string& Path ();
GSResModule        ResourceModule ();

}   // namespace ModuleFile
