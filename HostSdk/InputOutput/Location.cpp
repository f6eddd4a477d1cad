#include "Location.hpp"

#include "CH.hpp"

namespace IO {

namespace {
constexpr GSErrCode LocationEmpty = GSErrCode (0x80020001u);
}

Location::Location ()
    : status (LocationEmpty)
{}
Location::Location (const GS::UniString& path)
    : path (path),
      status (path.IsEmpty () ? LocationEmpty : 0)
{}
Location::Location (const Location& other) = default;
Location& Location::operator= (const Location& other) = default;
Location::~Location () = default;

void Location::Clear ()
{
    path = GS::UniString ();
    status = LocationEmpty;
}

GSErrCode Location::GetStatus () const { return status; }

GSErrCode Location::ToPath (CString<256>* out, GSCharCode charCode) const
{
    CHTruncate (path.ToCStr ().Get (), out->text, sizeof out->text, charCode);
    return status;
}

GSErrCode Location::ToPath (GS::UniString* out) const
{
    *out = path;
    return status;
}

}   // namespace IO
