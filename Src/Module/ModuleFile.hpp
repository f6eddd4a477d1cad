// The add-on's own file: its path, taken when the library is loaded, and its resources.
#pragma once

#include "RS.hpp"

#include <string>

namespace ModuleFile {

// [library load, from this file's own static initialiser] Keeps the module handle and the absolute path of the module file, and
// opens the module's resources.
void Load ();
// [library unload] Closes the resources, and writes the abnormal-termination line when the
// host never released the module.
void Unload ();

const std::string& Path ();
GSResModule        ResourceModule ();

}   // namespace ModuleFile
