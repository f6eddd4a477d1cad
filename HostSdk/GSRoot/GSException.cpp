#include "GSException.hpp"

namespace GS {

Exception::Exception (const char* message)
    : message (message)
{}
Exception::~Exception () = default;
const char* Exception::what () const noexcept { return message; }

NullReferenceException::NullReferenceException ()
    : Exception ("Null reference.")
{}
NullReferenceException::~NullReferenceException () = default;

ClassCastException::ClassCastException ()
    : Exception ("Bad cast.")
{}
ClassCastException::~ClassCastException () = default;

OutOfMemoryException::OutOfMemoryException ()
    : Exception ("Out of memory.")
{}
OutOfMemoryException::~OutOfMemoryException () = default;

IndexOutOfRangeException::IndexOutOfRangeException ()
    : Exception ("Index out of range.")
{}
IndexOutOfRangeException::~IndexOutOfRangeException () = default;

}   // namespace GS
