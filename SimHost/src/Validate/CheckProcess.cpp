#include "CheckProcess.hpp"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

#if defined(_WIN32)
#include "ProgramFiles.hpp"
#include "WindowsText.hpp"

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#else
#include <poll.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace SimHost {

namespace {

// In a check's child process: the steps it has taken, in memory its parent shares.
std::atomic<UInt64>* progress = nullptr;
static_assert (std::atomic<UInt64>::is_always_lock_free, "shared between processes, so it must not hide a lock");
constexpr std::size_t ProgressBytes = sizeof (std::atomic<UInt64>);

}   // namespace

void ReportCheckProgress ()
{
    if (progress != nullptr)
        progress->fetch_add (1, std::memory_order_relaxed);
}

#if defined(_WIN32)

namespace {

// One argument of a command line as the C runtime splits it again: quoted, with the
// backslashes before a quote doubled.
std::wstring Quoted (const std::wstring& argument)
{
    std::wstring quoted = L"\"";
    std::size_t  backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            backslashes += 1;
            continue;
        }
        quoted.append (c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append (backslashes * 2, L'\\');
    return quoted + L"\"";
}

// The process is broken: it ends with the exception's code as its exit status, as Windows
// ends a process nothing catches an exception in, without a debugger or a dialog.
LONG WINAPI EndWithExceptionCode (EXCEPTION_POINTERS* exception)
{
    TerminateProcess (GetCurrentProcess (), static_cast<UINT> (exception->ExceptionRecord->ExceptionCode));
    return EXCEPTION_EXECUTE_HANDLER;
}

// The exit statuses of a process that an exception ended have NTSTATUS's error severity.
bool IsExceptionCode (DWORD status) { return (status & 0xC0000000u) == 0xC0000000u; }

}   // namespace

struct CheckChild::System {
    HANDLE               memory = nullptr;
    std::atomic<UInt64>* steps = nullptr;
    HANDLE               reportRead = nullptr;
    HANDLE               process = nullptr;

    ~System ()
    {
        if (steps != nullptr)
            UnmapViewOfFile (steps);
        for (HANDLE handle : { memory, reportRead, process })
            if (handle != nullptr)
                CloseHandle (handle);
    }
    // what the child has written so far, without waiting for more
    void ReadAvailable (std::string& report) const
    {
        for (DWORD available = 0; PeekNamedPipe (reportRead, nullptr, 0, nullptr, &available, nullptr) && available > 0;) {
            char  buffer[4096];
            DWORD read = 0;
            if (!ReadFile (reportRead, buffer, std::min (available, DWORD (sizeof buffer)), &read, nullptr) || read == 0)
                return;
            report.append (buffer, read);
        }
    }
};

CheckChild::CheckChild (const ValidationCheck& check, const ValidationContext& context)
    : system (std::make_unique<System> ())
{
    SECURITY_ATTRIBUTES inherited { sizeof (SECURITY_ATTRIBUTES), nullptr, TRUE };
    system->memory = CreateFileMappingW (INVALID_HANDLE_VALUE, &inherited, PAGE_READWRITE, 0, ProgressBytes, nullptr);
    if (system->memory != nullptr)
        system->steps = static_cast<std::atomic<UInt64>*> (MapViewOfFile (system->memory, FILE_MAP_ALL_ACCESS, 0, 0, ProgressBytes));
    if (system->steps == nullptr)
        throw std::runtime_error ("cannot share memory with a child process");
    new (system->steps) std::atomic<UInt64> (0);
    HANDLE reportWrite = nullptr;
    if (!CreatePipe (&system->reportRead, &reportWrite, &inherited, 0))
        throw std::runtime_error ("cannot make a pipe");
    SetHandleInformation (system->reportRead, HANDLE_FLAG_INHERIT, 0);

    const std::wstring own = ProgramFile ().wstring ();
    if (own.empty ())
        throw std::runtime_error ("cannot find the host's own file");
    std::wstring command = Quoted (own) + L" " + Wide (CheckChildArgument) + L" " + Quoted (Wide (check.name)) + L" " +
                           std::to_wstring (context.seed) + L" " + std::to_wstring (reinterpret_cast<std::uintptr_t> (system->memory)) +
                           L" " + std::to_wstring (reinterpret_cast<std::uintptr_t> (reportWrite)) + L" " + Quoted (Wide (context.addOn));
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started {};
    std::fflush (nullptr);
    const BOOL created = CreateProcessW (own.c_str (), command.data (), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started);
    CloseHandle (reportWrite);   // the child holds its own copy: the pipe ends with the child
    if (!created)
        throw std::runtime_error ("cannot start a child process (Windows error " + std::to_string (GetLastError ()) + ")");
    CloseHandle (started.hThread);
    system->process = started.hProcess;
}

CheckChild::~CheckChild ()
{
    if (!Ended ())
        Kill ();
}

void CheckChild::Wait (int milliseconds, std::string& report)
{
    system->ReadAvailable (report);
    WaitForSingleObject (system->process, static_cast<DWORD> (milliseconds));
    system->ReadAvailable (report);
}

UInt64 CheckChild::Steps () const { return system->steps->load (std::memory_order_relaxed); }

std::optional<ChildEnd> CheckChild::Ended ()
{
    DWORD status = 0;
    if (WaitForSingleObject (system->process, 0) != WAIT_OBJECT_0 || !GetExitCodeProcess (system->process, &status))
        return std::nullopt;
    if (!IsExceptionCode (status))
        return ChildEnd { status == 0, {} };
    char code[16];
    std::snprintf (code, sizeof code, "0x%08lX", static_cast<unsigned long> (status));
    return ChildEnd { false, code };
}

void CheckChild::Kill ()
{
    TerminateProcess (system->process, 1);
    WaitForSingleObject (system->process, INFINITE);
}

void CheckChild::ReadRest (std::string& report)
{
    for (char buffer[4096];;) {
        DWORD read = 0;
        if (!ReadFile (system->reportRead, buffer, sizeof buffer, &read, nullptr) || read == 0)
            return;
        report.append (buffer, read);
    }
}

int RunCheckChild (int argc, char** argv)
{
    if (argc != 7)
        return 2;
    const std::vector<ValidationCheck>& checks = ValidationChecks ();
    const auto check = std::find_if (checks.begin (), checks.end (), [&] (const ValidationCheck& each) { return each.name == argv[2]; });
    if (check == checks.end ())
        return 2;
    ValidationContext context;
    context.seed = std::strtoull (argv[3], nullptr, 10);
    context.addOn = argv[6];
    const auto memory = reinterpret_cast<HANDLE> (static_cast<std::uintptr_t> (std::strtoull (argv[4], nullptr, 10)));
    const auto report = reinterpret_cast<HANDLE> (static_cast<std::uintptr_t> (std::strtoull (argv[5], nullptr, 10)));
    progress = static_cast<std::atomic<UInt64>*> (MapViewOfFile (memory, FILE_MAP_ALL_ACCESS, 0, 0, ProgressBytes));
    SetErrorMode (SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter (&EndWithExceptionCode);

    const std::string failure = RunCheckHere (*check, context);
    for (std::size_t written = 0; written < failure.size ();) {
        DWORD n = 0;
        if (!WriteFile (report, failure.data () + written, static_cast<DWORD> (failure.size () - written), &n, nullptr) || n == 0)
            break;
        written += n;
    }
    // as a forked child ends on Linux: what the check left loaded is not unloaded on the way out
    std::fflush (nullptr);
    TerminateProcess (GetCurrentProcess (), failure.empty () ? 0 : 1);
    return failure.empty () ? 0 : 1;
}

#else

struct CheckChild::System {
    std::atomic<UInt64>* steps = nullptr;
    int                  reportRead = -1;
    pid_t                child = -1;
    std::optional<int>   status;   // once reaped

    ~System ()
    {
        if (steps != nullptr)
            munmap (steps, ProgressBytes);
        if (reportRead >= 0)
            close (reportRead);
    }
};

namespace {

[[noreturn]] void RunChild (const ValidationCheck& check, const ValidationContext& context, int reportFd)
{
    const std::string failure = RunCheckHere (check, context);
    for (std::size_t written = 0; written < failure.size ();) {
        const ssize_t n = write (reportFd, failure.data () + written, failure.size () - written);
        if (n <= 0)
            break;
        written += std::size_t (n);
    }
    _exit (failure.empty () ? 0 : 1);
}

}   // namespace

CheckChild::CheckChild (const ValidationCheck& check, const ValidationContext& context)
    : system (std::make_unique<System> ())
{
    void* shared = mmap (nullptr, ProgressBytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED)
        throw std::runtime_error ("cannot share memory with a child process");
    system->steps = new (shared) std::atomic<UInt64> (0);
    int fds[2];
    if (pipe (fds) != 0)
        throw std::runtime_error ("cannot make a pipe");
    std::fflush (nullptr);
    system->child = fork ();
    if (system->child == 0) {
        close (fds[0]);
        progress = system->steps;
        RunChild (check, context, fds[1]);
    }
    close (fds[1]);
    system->reportRead = fds[0];
    if (system->child < 0)
        throw std::runtime_error ("cannot start a child process");
}

CheckChild::~CheckChild ()
{
    if (system->child > 0 && !Ended ())
        Kill ();
}

void CheckChild::Wait (int milliseconds, std::string& report)
{
    pollfd readable { system->reportRead, POLLIN, 0 };
    if (poll (&readable, 1, milliseconds) > 0) {
        char          buffer[4096];
        const ssize_t n = read (system->reportRead, buffer, sizeof buffer);
        if (n > 0)
            report.append (buffer, std::size_t (n));
    }
}

UInt64 CheckChild::Steps () const { return system->steps->load (std::memory_order_relaxed); }

std::optional<ChildEnd> CheckChild::Ended ()
{
    int status = 0;
    if (!system->status.has_value () && waitpid (system->child, &status, WNOHANG) == system->child)
        system->status = status;
    if (!system->status.has_value ())
        return std::nullopt;
    if (WIFSIGNALED (*system->status))
        return ChildEnd { false, std::string ("SIG") + sigabbrev_np (WTERMSIG (*system->status)) };
    return ChildEnd { WIFEXITED (*system->status) && WEXITSTATUS (*system->status) == 0, {} };
}

void CheckChild::Kill ()
{
    kill (system->child, SIGKILL);
    int status = 0;
    if (waitpid (system->child, &status, 0) == system->child)
        system->status = status;
}

void CheckChild::ReadRest (std::string& report)
{
    for (char buffer[4096];;) {
        const ssize_t n = read (system->reportRead, buffer, sizeof buffer);
        if (n <= 0)
            return;
        report.append (buffer, std::size_t (n));
    }
}

int RunCheckChild (int, char**)
{
    std::fputs ("virel-host: this build forks its check children\n", stderr);
    return 2;
}

#endif

}   // namespace SimHost
