// virel-host: the simulated host on the command line.
//   virel-host run [--addon FILE] [--seed N] SCENARIO
//   virel-host validate [--addon FILE] [--seed N] [--only NAME[,NAME...]] [--json] [--list]
//   virel-host serve [--addon FILE] [--seed N] [--port N] [--setup SCENARIO]
#include "SimHost/Scenario.hpp"
#include "SimHost/ServeCommand.hpp"
#include "SimHost/UiThread.hpp"
#include "SimHost/Validation.hpp"

#include "CrashReport.hpp"
#include "ProgramFiles.hpp"
#include "StandardOutput.hpp"
#include "Validate/CheckProcess.hpp"

#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

constexpr int ExitUnrunnable = 2;
constexpr int ExitCrashed = 3;

// The API 28 build beside the host, as the build and the installed layout place it.
std::string DefaultAddOn ()
{
    const std::filesystem::path executable = SimHost::ProgramFile ();
    return SimHost::PathText ((executable.empty () ? std::filesystem::path (".") : executable.parent_path ()) / "api28" /
                              "VirelPalette.apx");
}

int Usage ()
{
    std::cerr << "usage: virel-host run [--addon FILE] [--seed N] SCENARIO\n"
                 "       virel-host validate [--addon FILE] [--seed N] [--only NAME[,NAME...]] [--json] [--list] [--watchdog SECONDS]\n";
    return ExitUnrunnable;
}

int Run (int argc, char** argv)
{
    std::string addOn = DefaultAddOn ();
    UInt64      seed = 1;
    std::string scenarioPath;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--addon" && i + 1 < argc) {
            addOn = argv[++i];
        } else if (argument == "--seed" && i + 1 < argc) {
            try {
                seed = std::stoull (argv[++i]);
            } catch (const std::exception&) {
                return Usage ();
            }
        } else if (scenarioPath.empty () && (argument.empty () || argument[0] != '-')) {
            scenarioPath = argument;
        } else {
            return Usage ();
        }
    }
    if (scenarioPath.empty ())
        return Usage ();

    std::ifstream file (SimHost::Utf8Path (scenarioPath));
    if (!file) {
        std::cerr << "virel-host: cannot read " << scenarioPath << "\n";
        return ExitUnrunnable;
    }
    std::vector<SimHost::ScenarioStep> steps;
    try {
        steps = SimHost::ParseScenario (file);
    } catch (const SimHost::ScenarioError& e) {
        std::cerr << "virel-host: " << scenarioPath << ": " << e.what () << "\n";
        return ExitUnrunnable;
    }

    SimHost::ReportCrashes (ExitCrashed);
    SimHost::Host host (SimHost::Host::Options { seed });
    host.SetAddOnFile (addOn);
    host.GetTranscript ().SetSink ([] (const std::string& line) {
        const std::string text = line + "\n";
        SimHost::WriteOutput (text.data (), text.size ());
    });
    try {
        SimHost::RunScenario (host, steps);
    } catch (const SimHost::HostError& e) {
        std::cerr << "virel-host: " << scenarioPath << ": " << e.what () << "\n";
        return ExitUnrunnable;
    }
    return 0;
}

// Each check runs in a child process of its own, on a UI thread made there.
int Validate (int argc, char** argv)
{
    SimHost::ValidationOptions options;
    options.context.addOn = DefaultAddOn ();
    options.program = argv[0];
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--addon" && i + 1 < argc) {
            options.context.addOn = argv[++i];
        } else if (argument == "--seed" && i + 1 < argc) {
            try {
                options.context.seed = std::stoull (argv[++i]);
            } catch (const std::exception&) {
                return Usage ();
            }
        } else if (argument == "--only" && i + 1 < argc) {
            options.only = argv[++i];
        } else if (argument == "--watchdog" && i + 1 < argc) {
            options.watchdogSeconds = std::atoi (argv[++i]);
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--list") {
            options.list = true;
        } else {
            return Usage ();
        }
    }
    return SimHost::RunValidation (options, std::cout);
}

}   // namespace

int main (int argc, char** systemArgv)
{
    // from here on every argument is UTF-8, as the host takes file names everywhere
    std::vector<std::string> arguments = SimHost::Utf8Arguments (argc, systemArgv);
    std::vector<char*>       pointers;
    for (std::string& argument : arguments)
        pointers.push_back (argument.data ());
    pointers.push_back (nullptr);
    char** argv = pointers.data ();

    if (argc >= 2 && std::string (argv[1]) == "run")
        return SimHost::RunOnUiThread ([&] { return Run (argc, argv); });
    if (argc >= 2 && std::string (argv[1]) == "validate")
        return Validate (argc, argv);
    if (argc >= 2 && std::string (argv[1]) == SimHost::CheckChildArgument)
        return SimHost::RunCheckChild (argc, argv);
    if (argc >= 2 && std::string (argv[1]) == "serve")
        return SimHost::ServeCommand (argc, argv, DefaultAddOn ());
    return Usage ();
}
