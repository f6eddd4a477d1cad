#include "Guid.hpp"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace GS {

const Guid NULLGuid;

namespace {

int HexValue (char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX" (36 characters) into its 16 hex byte values,
// in text order; false for anything else.
bool ReadGuidText (const char* text, USize length, UInt8 (&bytes)[16])
{
    if (length == 38 && text[0] == '{' && text[37] == '}') {
        ++text;
        length = 36;
    }
    if (length != 36)
        return false;
    int byteIndex = 0;
    for (USize i = 0; i < 36;) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (text[i] != '-')
                return false;
            ++i;
            continue;
        }
        const int high = HexValue (text[i]);
        const int low = HexValue (text[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes[byteIndex++] = UInt8 (high * 16 + low);
        i += 2;
    }
    return true;
}

}   // namespace

Guid::Guid (const char* text)
{
    UInt8 bytes[16];
    if (text == nullptr || !ReadGuidText (text, std::strlen (text), bytes))
        return;
    data1 = UInt32 (bytes[0]) << 24 | UInt32 (bytes[1]) << 16 | UInt32 (bytes[2]) << 8 | bytes[3];
    data2 = UInt16 (bytes[4] << 8 | bytes[5]);
    data3 = UInt16 (bytes[6] << 8 | bytes[7]);
    std::memcpy (data4, bytes + 8, 8);
}

Guid::Guid (const UniString& text) : Guid (text.ToCStr ().Get ()) {}

UniString Guid::ToUniString () const
{
    char text[40];
    std::snprintf (text, sizeof text, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                   unsigned (data1), unsigned (data2), unsigned (data3), data4[0], data4[1], data4[2],
                   data4[3], data4[4], data4[5], data4[6], data4[7]);
    return UniString (text);
}

bool Guid::IsNull () const { return *this == NULLGuid; }

}   // namespace GS
