// A crash of the host process (an add-on's fault) as a result: the one place the host asks
// which system it runs on to catch one.
#pragma once

namespace SimHost {

// From now on a crash ends the process with the line {"crash":"NAME"} on standard output and
// 'exitStatus'. NAME is the signal on Linux (SIGSEGV, ...) and the exception code on Windows
// (0xC0000005, ...).
void ReportCrashes (int exitStatus);

// [at the end of a thread the host started] Leaves what the crash report set up for the thread.
void LeaveCrashReport ();

}   // namespace SimHost
