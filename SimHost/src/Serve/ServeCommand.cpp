#include "SimHost/ServeCommand.hpp"

#include "SimHost/Sandbox.hpp"

#include <boost/asio/io_context.hpp>
#include <boost/asio/signal_set.hpp>

#include <csignal>
#include <cstdio>
#include <iostream>

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

    // the stop signals are taken from here on, whichever thread they reach
    boost::asio::io_context signals;
    boost::asio::signal_set stopSignals (signals, SIGINT, SIGTERM);
    int                     signal = 0;
    stopSignals.async_wait ([&signal] (const boost::system::error_code&, int number) { signal = number; });
#ifdef SIGPIPE
    std::signal (SIGPIPE, SIG_IGN);
#endif

    Sandbox sandbox (options);
    int     port = 0;
    try {
        port = sandbox.Start ();
    } catch (const std::exception& e) {
        std::cerr << "virel-host: " << e.what () << "\n";
        return ExitUnrunnable;
    }
    PrintLine (Transcript::Print ({ { "serving", "http://127.0.0.1:" + std::to_string (port) + "/" } }));

    signals.run ();
    sandbox.Stop ();
    return 0;
}

}   // namespace SimHost
