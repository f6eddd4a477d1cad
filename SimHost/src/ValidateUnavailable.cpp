// validate in a build whose runner cannot start its checks in child processes (the Windows
// build, for now): it says so instead of running checks unguarded.
#include "SimHost/Validation.hpp"

namespace SimHost {

void ReportCheckProgress () {}

int RunValidation (const ValidationOptions&, std::ostream& out)
{
    out << "validate is not part of this build: its checks need a child process each\n";
    return 2;
}

}   // namespace SimHost
