// `virel-host validate`: the host's named checks of an add-on file. Each check runs in a
// child process under a watchdog, so a crash or a hang is a failed check, not a lost run.
// The watchdog waits on progress, not on the clock: a check that is slow on a loaded or
// instrumented machine still passes, one stuck inside the add-on fails.
#pragma once

#include "Definitions.hpp"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace SimHost {

struct ValidationContext {
    std::string addOn;
    UInt64      seed = 1;
};

struct ValidationCheck {
    std::string                                    name;                   // kebab-case
    std::string                                    description;            // one line
    std::function<void (const ValidationContext&)> run;                    // throws CheckFailed
    int                                            watchdogSeconds = 30;   // with no progress
};

// A check calls this after each step it takes (session steps count by themselves): the
// watchdog counts a check hung once it has reported nothing for its watchdog time.
void ReportCheckProgress ();

// A check's verdict: what went wrong.
class CheckFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

const std::vector<ValidationCheck>& ValidationChecks ();

struct ValidationOptions {
    ValidationContext          context;
    std::optional<std::string> only;
    bool                       json = false;
    bool                       list = false;
    std::optional<int>         watchdogSeconds;          // instead of each check's own
    std::string                program = "virel-host";   // for the replay command
};

// Runs the checks (or lists them) and prints the verdicts; the last line is "N passed, N failed".
// Returns the exit status: 0 when none failed.
int RunValidation (const ValidationOptions& options, std::ostream& out);

}   // namespace SimHost
