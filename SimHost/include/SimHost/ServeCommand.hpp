// virel-host serve [--addon FILE] [--seed N] [--port N] [--setup SCENARIO]
#pragma once

#include <string>

namespace SimHost {

// Runs the sandbox until SIGINT or SIGTERM; the exit status (0, or 2 when it cannot start).
int ServeCommand (int argc, char** argv, const std::string& defaultAddOn);

}   // namespace SimHost
