// InputOutput: file locations.
#pragma once

#include "UniString.hpp"

#include <cstring>

namespace IO {

// A fixed-size 8-bit text buffer, as the host's path conversions fill it.
template <USize Size> struct CString {
    char        text[Size] = {};
    const char* Get () const { return text; }
};

class GSROOT_API Location {
public:
    Location ();
    explicit Location (const GS::UniString& path);
    Location (const Location& other);
    Location& operator= (const Location& other);
    ~Location ();

    void Clear ();
    // 0 for a usable location; an error code for an empty or malformed path.
    GSErrCode GetStatus () const;
    // The path as 8-bit text (character code 0). The fixed buffer cuts long paths; the
    // string form is whole.
    GSErrCode ToPath (CString<256>* path, GSCharCode charCode = CC_Default) const;
    GSErrCode ToPath (GS::UniString* path) const;

private:
    GS::UniString path;
    GSErrCode     status;
};

}   // namespace IO
