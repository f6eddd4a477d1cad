// A module-wide value that the static teardown leaves alone. At a process exit without
// unloading, the statics are destroyed before the library's unload step runs; what that step
// uses is kept in a Lasting, and the step itself ends it.
#pragma once

#include <utility>

template <typename T> class Lasting {
public:
    Lasting ()
        : value ()
    {}
    ~Lasting () {}   // deliberately leaves 'value': End () is its end
    Lasting (const Lasting&) = delete;
    Lasting& operator= (const Lasting&) = delete;

    T&       operator* () { return value; }
    T*       operator->() { return &value; }
    const T& operator* () const { return value; }

    // Gives up what the value holds (its memory too), leaving it as new.
    void End ()
    {
        T empty;
        std::swap (value, empty);
    }

private:
    union {
        T value;
    };
};
