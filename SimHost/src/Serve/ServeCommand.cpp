#include "SimHost/ServeCommand.hpp"

#include "SimHost/Sandbox.hpp"

#include <csignal>
#include <cstdio>
#include <iostream>

#include <pthread.h>

namespace SimHost {

namespace {

constexpr int ExitUnrunnable = 2;

int Usage ()
{
    std::cerr << "usage: virel-host serve [--addon FILE] [--seed N] [--port N] [--setup SCENARIO]\n";
    return ExitUnrunnable;
}

void PrintLine (const std::string& line)
{
    std::fwrite (line.data (), 1, line.size (), stdout);
    std::fputc ('\n', stdout);
    std::fflush (stdout);
}

}   // namespace

int ServeCommand (int argc, char** argv, const std::string& defaultAddOn)
{
    SandboxOptions options;
    options.addOnFile = defaultAddOn;
    options.setupScenario = VIREL_DEMO_SCENARIO;
    options.hostPageFolder = VIREL_HOST_PAGE_FOLDER;
    options.threeFolder = VIREL_THREE_FOLDER;
    options.printLine = &PrintLine;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (i + 1 >= argc)
            return Usage ();
        const std::string value = argv[++i];
        try {
            if (argument == "--addon")
                options.addOnFile = value;
            else if (argument == "--seed")
                options.seed = std::stoull (value);
            else if (argument == "--port" && std::stoi (value) >= 0 && std::stoi (value) <= 65535)
                options.port = std::stoi (value);
            else if (argument == "--setup")
                options.setupScenario = value;
            else
                return Usage ();
        } catch (const std::exception&) {
            return Usage ();
        }
    }

    // every thread started from here on leaves the stop signals to this one
    sigset_t stopSignals;
    sigemptyset (&stopSignals);
    sigaddset (&stopSignals, SIGINT);
    sigaddset (&stopSignals, SIGTERM);
    pthread_sigmask (SIG_BLOCK, &stopSignals, nullptr);
    std::signal (SIGPIPE, SIG_IGN);

    Sandbox sandbox (options);
    int     port = 0;
    try {
        port = sandbox.Start ();
    } catch (const std::exception& e) {
        std::cerr << "virel-host: " << e.what () << "\n";
        return ExitUnrunnable;
    }
    PrintLine (Transcript::Print ({ { "serving", "http://127.0.0.1:" + std::to_string (port) + "/" } }));

    int signal = 0;
    sigwait (&stopSignals, &signal);
    sandbox.Stop ();
    return 0;
}

}   // namespace SimHost
