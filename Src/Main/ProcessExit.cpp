#include "Main/ProcessExit.hpp"

#if defined(_WIN32)
#include <windows.h>

namespace {
bool processExiting = false;
}   // namespace

// The loader's notification for this module; it runs before the runtime destroys the
// module's statics, where the unload step is.
extern "C" BOOL WINAPI DllMain (HINSTANCE module, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        DisableThreadLibraryCalls (module);
    else if (reason == DLL_PROCESS_DETACH)
        processExiting = reserved != nullptr;   // null when FreeLibrary unloads the module
    return TRUE;
}

bool UnloadingAtProcessExit () { return processExiting; }

#else

bool UnloadingAtProcessExit () { return false; }

#endif
