#include "Guid.hpp"

#include <cctype>
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

Guid::Guid (const UniString& text)
    : Guid (text.ToCStr ().Get ())
{}

UniString Guid::ToUniString () const
{
    // written digit by digit: a catalogue turns thousands of identifiers into text at a time
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    char                  text[36];
    char*                 next = text;
    auto                  put = [&next] (UInt32 value, int digits) {
        for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
            *next++ = hexDigits[(value >> shift) & 0xF];
    };
    put (data1, 8);
    *next++ = '-';
    put (data2, 4);
    *next++ = '-';
    put (data3, 4);
    *next++ = '-';
    put (data4[0], 2);
    put (data4[1], 2);
    *next++ = '-';
    for (int i = 2; i < 8; ++i)
        put (data4[i], 2);
    return UniString (text, sizeof text, CC_Default);
}

bool Guid::IsNull () const { return *this == NULLGuid; }

}   // namespace GS
