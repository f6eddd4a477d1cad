#include "CrashReport.hpp"

#include "StandardOutput.hpp"

#include <cstdio>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <csignal>
#include <initializer_list>
#include <unistd.h>
#endif

namespace SimHost {

namespace {

int crashExitStatus = 3;

#if defined(_WIN32)

// The process is broken: the line goes out with a single system call.
LONG WINAPI OnCrash (EXCEPTION_POINTERS* exception)
{
    char      line[48];
    const int length = std::snprintf (line, sizeof line, "{\"crash\":\"0x%08lX\"}\n",
                                      static_cast<unsigned long> (exception->ExceptionRecord->ExceptionCode));
    WriteOutput (line, static_cast<std::size_t> (length));
    TerminateProcess (GetCurrentProcess (), static_cast<UINT> (crashExitStatus));
    return EXCEPTION_EXECUTE_HANDLER;
}

#else

extern "C" void OnCrash (int signal)
{
    const char* name = "SIGSEGV";
    switch (signal) {
        case SIGBUS: name = "SIGBUS"; break;
        case SIGFPE: name = "SIGFPE"; break;
        case SIGILL: name = "SIGILL"; break;
        case SIGABRT: name = "SIGABRT"; break;
        default: break;
    }
    WriteOutput ("{\"crash\":\"", 10);
    WriteOutput (name, std::strlen (name));
    WriteOutput ("\"}\n", 3);
    _exit (crashExitStatus);
}

#endif

}   // namespace

#if defined(_WIN32)

void ReportCrashes (int exitStatus)
{
    crashExitStatus = exitStatus;
    std::fflush (stdout);
    SetErrorMode (SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter (&OnCrash);
}

void LeaveCrashReport () {}

#else

void ReportCrashes (int exitStatus)
{
    crashExitStatus = exitStatus;
    static char alternateStack[1 << 16];
    stack_t     stack {};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    sigaltstack (&stack, nullptr);
    struct sigaction action {};
    action.sa_handler = &OnCrash;
    action.sa_flags = SA_ONSTACK;
    for (int signal : { SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT })
        sigaction (signal, &action, nullptr);
}

// A crash handler may have given this thread an alternate signal stack of its own; the
// thread's end must not take it for one the runtime made.
void LeaveCrashReport ()
{
    stack_t none {};
    none.ss_flags = SS_DISABLE;
    sigaltstack (&none, nullptr);
}

#endif

}   // namespace SimHost
