// The sandbox: one host and one add-on on one UI thread, driven over HTTP on the loopback
// interface (`virel-host serve`). HTTP threads never call the add-on or touch the project:
// each request is posted to the UI thread and waits for its answer.
#pragma once

#include "SimHost/Host.hpp"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace SimHost {

struct SandboxOptions {
    std::string                              addOnFile;
    UInt64                                   seed = 1;
    int                                      port = 8080;               // 0: a free one
    std::string                              setupScenario;             // a scenario file run after load; empty: none
    std::string                              hostPageFolder;            // the host's page, GET / and /host/...
    std::string                              threeFolder;               // the three.js package, GET /three/...
    std::chrono::milliseconds                answerTimeout { 30000 };   // then 503, and the host goes on
    std::function<void (const std::string&)> printLine;                 // each transcript line as it happens
};

class Sandbox {
public:
    explicit Sandbox (SandboxOptions options);
    ~Sandbox ();
    Sandbox (const Sandbox&) = delete;
    Sandbox& operator= (const Sandbox&) = delete;

    // Binds the port, loads the add-on, runs the setup steps and starts answering; returns the
    // port. HostError (nothing left running) for a port in use, an add-on that cannot be
    // loaded or a setup scenario that cannot be run.
    int Start ();
    // Cancels a waiting point input, unloads the add-on and stops answering.
    void Stop ();

    // Runs 'work' on the UI thread some time later, without waiting for it.
    void Post (std::function<void (Host&)> work);

private:
    struct Running;
    SandboxOptions           options;
    std::unique_ptr<Running> running;
};

}   // namespace SimHost
