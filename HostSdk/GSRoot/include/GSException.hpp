// The host library's exceptions. Their messages are what a script engine shows the page.
#pragma once

#include "Definitions.hpp"

#include <exception>

namespace GS {

class GSROOT_API Exception : public std::exception {
public:
    explicit Exception (const char* message);
    ~Exception () override;
    const char* what () const noexcept override;

private:
    const char* message;   // a static text
};

class GSROOT_API NullReferenceException : public Exception {
public:
    NullReferenceException ();
    ~NullReferenceException () override;
};

class GSROOT_API ClassCastException : public Exception {
public:
    ClassCastException ();
    ~ClassCastException () override;
};

class GSROOT_API OutOfMemoryException : public Exception {
public:
    OutOfMemoryException ();
    ~OutOfMemoryException () override;
};

class GSROOT_API IndexOutOfRangeException : public Exception {
public:
    IndexOutOfRangeException ();
    ~IndexOutOfRangeException () override;
};

}   // namespace GS
