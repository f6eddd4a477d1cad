// The pair that identifies this module to the host, from its own module identifier
// resource; passed when the module calls its own command.
#pragma once

#include "InterfaceRecords.hpp"

// Both values 0 when the resource cannot be read (the host then refuses the call).
API_ModulID OwnModuleIdentifier ();
