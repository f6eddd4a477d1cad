// The library's unload step, after everything the host calls (the load step is the module
// file's own). It runs once, at whichever of two moments comes first:
// - the library is unloaded: its destructor function runs before any static of the add-on is
//   destroyed;
// - the process exits with the library still loaded: the exit handler runs with the host's
//   libraries still whole, before the library's destructor function (which the system runs
//   only after every static of the process is gone).
// What the step uses outlives the static teardown either way (Module/Lasting.hpp).
// On Windows the loader runs both at the module's detach; at a process exit it runs them with
// the process half torn down, so the palette is left alone then (Main/ProcessExit.hpp).
#include "Main/ProcessExit.hpp"
#include "Module/ModuleFile.hpp"
#include "Palette/BrowserPalette.hpp"

#include <cstdlib>

namespace {

bool unloaded = false;

void UnloadModuleOnce ()
{
    if (unloaded)
        return;
    unloaded = true;
    try {
        ModuleFile::Unload ();
        if (!UnloadingAtProcessExit ())
            BrowserPalette::ReleaseInstance ();
    } catch (...) {
    }
}

// registered from the library's load; at an unload it runs after the destructor function
// and finds the work done
struct ExitHandler {
    ExitHandler () { std::atexit (&UnloadModuleOnce); }
} exitHandler;

}   // namespace

__attribute__ ((destructor)) static void UnloadModule () { UnloadModuleOnce (); }
