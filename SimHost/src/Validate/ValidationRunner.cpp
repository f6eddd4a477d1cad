// Runs each check in a child process under a watchdog and prints its verdict.
#include "SimHost/Validation.hpp"
#include "SimHost/UiThread.hpp"

#include <nlohmann/json.hpp>

#include <poll.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <new>
#include <set>

namespace SimHost {

namespace {

// In a check's child process: the steps it has taken, in memory its parent shares.
std::atomic<UInt64>* progress = nullptr;
static_assert (std::atomic<UInt64>::is_always_lock_free, "shared between processes, so it must not hide a lock");

// A step counter in memory a parent shares with the child it forks.
class SharedStepCounter {
public:
    SharedStepCounter ()
    {
        void* shared = mmap (nullptr, sizeof (std::atomic<UInt64>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        if (shared != MAP_FAILED)
            steps = new (shared) std::atomic<UInt64> (0);
    }
    ~SharedStepCounter ()
    {
        if (steps != nullptr)
            munmap (steps, sizeof (std::atomic<UInt64>));
    }
    SharedStepCounter (const SharedStepCounter&) = delete;
    SharedStepCounter& operator= (const SharedStepCounter&) = delete;

    std::atomic<UInt64>* steps = nullptr;   // null when the memory could not be had
};

struct Verdict {
    bool        passed = false;
    std::string detail;
    double      seconds = 0;
};

[[noreturn]] void RunChild (const ValidationCheck& check, const ValidationContext& context, int reportFd, std::atomic<UInt64>* steps)
{
    progress = steps;
    std::string failure;
    try {
        RunOnUiThread ([&] {
            check.run (context);
            return 0;
        });
    } catch (const std::exception& e) {
        failure = e.what ();
        if (failure.empty ())
            failure = "failed";
    } catch (...) {
        failure = "an unknown exception reached the host";
    }
    for (std::size_t written = 0; written < failure.size ();) {
        const ssize_t n = write (reportFd, failure.data () + written, failure.size () - written);
        if (n <= 0)
            break;
        written += std::size_t (n);
    }
    _exit (failure.empty () ? 0 : 1);
}

Verdict RunInChild (const ValidationCheck& check, const ValidationContext& context, int watchdogSeconds)
{
    using Clock = std::chrono::steady_clock;
    const auto              started = Clock::now ();
    auto                    since = [] (Clock::time_point then) { return std::chrono::duration<double> (Clock::now () - then).count (); };
    const SharedStepCounter counter;
    std::atomic<UInt64>*    steps = counter.steps;
    int                     fds[2];
    if (steps == nullptr)
        return { false, "cannot share memory with a child process" };
    if (pipe (fds) != 0)
        return { false, "cannot make a pipe" };
    std::fflush (nullptr);
    const pid_t child = fork ();
    if (child < 0) {
        close (fds[0]);
        close (fds[1]);
        return { false, "cannot start a child process" };
    }
    if (child == 0) {
        close (fds[0]);
        RunChild (check, context, fds[1], steps);
    }
    close (fds[1]);
    std::string report;
    int         status = 0;
    bool        hung = false;
    UInt64      stepsSeen = 0;
    auto        lastProgress = started;
    for (bool done = false; !done;) {
        pollfd readable { fds[0], POLLIN, 0 };
        if (poll (&readable, 1, 100) > 0) {
            char          buffer[4096];
            const ssize_t n = read (fds[0], buffer, sizeof buffer);
            if (n > 0)
                report.append (buffer, std::size_t (n));
        }
        if (const UInt64 now = steps->load (std::memory_order_relaxed); now != stepsSeen) {
            stepsSeen = now;
            lastProgress = Clock::now ();
        }
        if (waitpid (child, &status, WNOHANG) == child)
            done = true;
        else if (since (lastProgress) > watchdogSeconds) {
            kill (child, SIGKILL);
            waitpid (child, &status, 0);
            hung = true;
            done = true;
        }
    }
    for (char buffer[4096];;) {
        const ssize_t n = read (fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        report.append (buffer, std::size_t (n));
    }
    close (fds[0]);
    Verdict verdict { false, report, since (started) };
    if (hung)
        verdict.detail = "hung: no progress for " + std::to_string (watchdogSeconds) + " s";
    else if (WIFSIGNALED (status))
        verdict.detail = std::string ("crashed: SIG") + sigabbrev_np (WTERMSIG (status)) + (report.empty () ? "" : ": " + report);
    else
        verdict.passed = WIFEXITED (status) && WEXITSTATUS (status) == 0;
    if (!verdict.passed && verdict.detail.empty ())
        verdict.detail = "failed";
    return verdict;
}

}   // namespace

void ReportCheckProgress ()
{
    if (progress != nullptr)
        progress->fetch_add (1, std::memory_order_relaxed);
}

int RunValidation (const ValidationOptions& options, std::ostream& out)
{
    const std::vector<ValidationCheck>& checks = ValidationChecks ();
    if (options.list) {
        for (const ValidationCheck& check : checks)
            out << check.name << "  " << check.description << "\n";
        return 0;
    }
    // --only NAME[,NAME...]: those checks, in the catalogue's order
    std::set<std::string> only;
    for (std::size_t start = 0; options.only.has_value () && start <= options.only->size ();) {
        const std::size_t comma = std::min (options.only->find (',', start), options.only->size ());
        only.insert (options.only->substr (start, comma - start));
        start = comma + 1;
    }
    int passed = 0;
    int failed = 0;
    for (const std::string& name : only)
        if (std::none_of (checks.begin (), checks.end (), [&] (const ValidationCheck& check) { return check.name == name; })) {
            out << "no check named " << name << "\n";
            failed += 1;
        }
    for (const ValidationCheck& check : checks) {
        if (options.only.has_value () && !only.contains (check.name))
            continue;
        const Verdict     verdict = RunInChild (check, options.context, options.watchdogSeconds.value_or (check.watchdogSeconds));
        const std::string replay = options.program + " validate --addon " + options.context.addOn + " --seed " +
                                   std::to_string (options.context.seed) + " --only " + check.name;
        (verdict.passed ? passed : failed) += 1;
        char seconds[32];
        std::snprintf (seconds, sizeof seconds, "%.1f", verdict.seconds);
        if (options.json) {
            nlohmann::ordered_json line { { "check", check.name }, { "passed", verdict.passed }, { "seconds", std::stod (seconds) } };
            if (!verdict.passed) {
                line["detail"] = verdict.detail;
                line["replay"] = replay;
            }
            out << line.dump (-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
        } else if (verdict.passed) {
            out << "pass  " << check.name << " (" << seconds << " s)\n";
        } else {
            out << "FAIL  " << check.name << " (" << seconds << " s): " << verdict.detail << "\n"
                << "      replay: " << replay << "\n";
        }
        out.flush ();
    }
    out << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}

}   // namespace SimHost
