// GS::UniString: the host's string. It keeps its text as UTF-8 on the host's heap; with
// character code 0 (the default) 8-bit text converts unchanged in both directions.
#pragma once

#include "Definitions.hpp"

namespace GS {

class GSROOT_API UniString {
public:
    // The C text of a string, valid while this holder lives.
    class GSROOT_API CStr {
    public:
        explicit CStr (const UniString& source);
        CStr (const CStr&) = delete;
        CStr& operator= (const CStr&) = delete;
        ~CStr ();
        const char* Get () const { return text; }
                    operator const char* () const { return text; }
        USize       GetLength () const { return length; }

    private:
        char* text;
        USize length;
    };

    UniString ();
    UniString (const char* text, GSCharCode charCode = CC_Default);
    UniString (const char* text, USize length, GSCharCode charCode);
    UniString (const UniString& other);
    UniString (UniString&& other) noexcept;
    ~UniString ();

    UniString& operator= (const UniString& other);
    UniString& operator= (UniString&& other) noexcept;

    UniString& Append (const UniString& other);
    UniString& Append (const char* text, GSCharCode charCode = CC_Default);

    // The whole string (or 'range' bytes from 'from') as 8-bit text.
    CStr ToCStr (UInt32 from = 0, UInt32 range = MaxRange, GSCharCode charCode = CC_Default) const;

    UInt32      GetLength () const { return length; }
    bool        IsEmpty () const { return length == 0; }
    const char* Bytes () const;   // the UTF-8 bytes, not terminated when empty

    bool operator== (const UniString& other) const;
    bool operator!= (const UniString& other) const { return !(*this == other); }

    static constexpr UInt32 MaxRange = 0xFFFFFFFF;

private:
    void Assign (const char* text, USize count);

    char*  buffer = nullptr;   // host heap, zero-terminated
    UInt32 length = 0;
    UInt32 capacity = 0;
};

static_assert (sizeof (UniString) == 16, "host records embed strings at fixed offsets");

}   // namespace GS
