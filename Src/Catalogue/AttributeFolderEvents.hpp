// Telling the page when the add-on's materials change in the project.
#pragma once

#include "Definitions.hpp"

// [palette creation] Registers the attribute-folder observer with the host.
GSErrCode RegisterAttributeFolderHandler ();
