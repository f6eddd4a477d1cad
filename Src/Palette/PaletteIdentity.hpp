// The palette's identity towards DG and the host.
#pragma once

#include "Guid.hpp"

const GS::Guid& PaletteGuid ();
// The wrapping sum of the four little-endian 32-bit words of the palette GUID's 16 bytes.
UInt32 PaletteReferenceNumber ();
