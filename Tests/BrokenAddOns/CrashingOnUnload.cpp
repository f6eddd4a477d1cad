// Crashes when its file is unloaded.
#include "ForwardingAddOn.hpp"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {
#if defined(_WIN32)
// Windows' loader catches an access violation in a DLL's unload (its static destructors run in
// DllMain) and goes on; a fail-fast exception ends the process whatever catches.
struct CrashAtUnload {
    ~CrashAtUnload () { RaiseFailFastException (nullptr, nullptr, 0); }
} crashAtUnload;
#else
// a real access violation: a write through a null pointer the compiler cannot see is null
int* volatile nowhere = nullptr;
struct CrashAtUnload {
    ~CrashAtUnload () { *nowhere = 1; }
} crashAtUnload;
#endif
}   // namespace

void Break (unsigned char*, Int32) {}
