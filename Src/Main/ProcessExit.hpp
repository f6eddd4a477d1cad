// Whether the module is being unloaded because its process is ending.
#pragma once

// [library unload] True on Windows when the process ends without the host unloading the
// module: the loader then runs the unload with the other threads gone and the process half
// torn down, so only the module's own state may be touched. Always false on Linux, where
// the unload steps run at exit as they do at an unload.
bool UnloadingAtProcessExit ();
