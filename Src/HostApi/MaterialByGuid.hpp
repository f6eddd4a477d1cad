// Reading a material attribute by its GUID, the one way every part of the add-on does it.
#pragma once

#include "AttributeRecords.hpp"
#include "Guid.hpp"

// Fills 'record' (zeroed first, as the host requires) with the material 'guid' names.
// Returns the host's result: anything but 0 means the host has no such material.
GSErrCode HostGetMaterial (const GS::Guid& guid, API_Attribute& record);
