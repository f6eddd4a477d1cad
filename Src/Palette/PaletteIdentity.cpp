#include "Palette/PaletteIdentity.hpp"

#include <cstring>

const GS::Guid& PaletteGuid ()
{
    static const GS::Guid guid ("{FEE27B6B-3873-4834-98B5-F0081AA4CD45}");
    return guid;
}

UInt32 PaletteReferenceNumber ()
{
    unsigned char bytes[16];
    std::memcpy (bytes, &PaletteGuid (), sizeof bytes);
    UInt32 sum = 0;
    for (int word = 0; word < 4; ++word) {
        const unsigned char* b = bytes + 4 * word;
        sum += UInt32 (b[0]) | UInt32 (b[1]) << 8 | UInt32 (b[2]) << 16 | UInt32 (b[3]) << 24;
    }
    return sum;
}
