// The library's unload step, after everything the host calls (the load step is the module
// file's own).
#include "Main/ProcessExit.hpp"
#include "Module/ModuleFile.hpp"
#include "Palette/BrowserPalette.hpp"

// Runs before any static of the add-on is destroyed: the palette goes while its code and
// the state it uses are still there.
__attribute__ ((destructor)) static void UnloadModule ()
{
    try {
        ModuleFile::Unload ();
        if (!UnloadingAtProcessExit ())
            BrowserPalette::ReleaseInstance ();
    } catch (...) {
    }
}
