// Runs each check in a child process under a watchdog and prints its verdict.
#include "SimHost/Validation.hpp"
#include "SimHost/UiThread.hpp"

#include "CheckProcess.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <set>
#include <stdexcept>

namespace SimHost {

namespace {

struct Verdict {
    bool        passed = false;
    std::string detail;
    double      seconds = 0;
};

Verdict RunInChild (const ValidationCheck& check, const ValidationContext& context, int watchdogSeconds)
{
    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now ();
    auto       since = [] (Clock::time_point then) { return std::chrono::duration<double> (Clock::now () - then).count (); };
    std::unique_ptr<CheckChild> child;
    try {
        child = std::make_unique<CheckChild> (check, context);
    } catch (const std::runtime_error& e) {
        return { false, e.what () };
    }
    std::string             report;
    std::optional<ChildEnd> end;
    UInt64                  stepsSeen = 0;
    auto                    lastProgress = started;
    for (;;) {
        child->Wait (100, report);
        if (const UInt64 now = child->Steps (); now != stepsSeen) {
            stepsSeen = now;
            lastProgress = Clock::now ();
        }
        if ((end = child->Ended ()).has_value () || since (lastProgress) > watchdogSeconds)
            break;
    }
    if (!end.has_value ())
        child->Kill ();
    child->ReadRest (report);
    Verdict verdict { false, report, since (started) };
    if (!end.has_value ())
        verdict.detail = "hung: no progress for " + std::to_string (watchdogSeconds) + " s";
    else if (!end->crash.empty ())
        verdict.detail = "crashed: " + end->crash + (report.empty () ? "" : ": " + report);
    else
        verdict.passed = end->passed;
    if (!verdict.passed && verdict.detail.empty ())
        verdict.detail = "failed";
    return verdict;
}

}   // namespace

std::string RunCheckHere (const ValidationCheck& check, const ValidationContext& context)
{
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
    return failure;
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
