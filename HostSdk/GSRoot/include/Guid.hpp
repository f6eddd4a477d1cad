// GS::Guid in the host's 16-byte layout: a little-endian 32-bit word, two little-endian
// 16-bit words, then eight bytes as written. Its text is 36 upper-case hex digits and hyphens.
#pragma once

#include "UniString.hpp"

#include <cstring>

namespace GS {

class GSROOT_API Guid {
public:
    Guid () = default;
    // Accepts the text with or without braces, in either case; anything else gives the null GUID.
    explicit Guid (const char* text);
    explicit Guid (const UniString& text);

    UniString ToUniString () const;
    bool      IsNull () const;
    void      Clear () { *this = Guid (); }

    bool operator== (const Guid& other) const { return std::memcmp (this, &other, sizeof (Guid)) == 0; }
    bool operator!= (const Guid& other) const { return !(*this == other); }
    bool operator<(const Guid& other) const { return std::memcmp (this, &other, sizeof (Guid)) < 0; }

    UInt32 data1 = 0;
    UInt16 data2 = 0;
    UInt16 data3 = 0;
    UInt8  data4[8] = {};
};

static_assert (sizeof (Guid) == 16);

extern GSROOT_API const Guid NULLGuid;

}   // namespace GS
