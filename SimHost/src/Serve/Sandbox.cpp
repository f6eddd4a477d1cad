#include "SimHost/Sandbox.hpp"
#include "ProgramFiles.hpp"

#include "FolderFiles.hpp"
#include "HttpServer.hpp"
#include "Routes.hpp"
#include "ServeSteps.hpp"

#include <fstream>

namespace SimHost {

namespace {

// Every connection and event stream is served by these few threads; none waits for the host.
constexpr int HttpThreads = 2;
// The host's own transcript keeps only recent lines: the sandbox's copy is what clients read.
constexpr std::size_t HostTranscriptWindow = 64;

}   // namespace

struct Sandbox::Running {
    explicit Running (const SandboxOptions& options)
        : server (Limits (options), log),
          ui (HostOptions { options.seed })
    {}

    static Serve::HttpLimits Limits (const SandboxOptions& options)
    {
        Serve::HttpLimits limits;
        limits.answerDeadline = options.answerTimeout;
        return limits;
    }

    Serve::TranscriptLog  log;
    Serve::HttpServer     server;
    Serve::UiThread       ui;
    int                   port = 0;
    std::mutex            paletteMutex;
    std::filesystem::path paletteFolder;

    // [UI thread] every transcript line: printed, kept for the HTTP threads, and the folder
    // of the page the add-on opened noted for /palette/.
    void Line (const std::string& text, const SandboxOptions& options)
    {
        if (text.rfind ("{\"openUrl\":", 0) == 0) {
            const std::optional<std::filesystem::path> page =
                Serve::PathOfFileUrl (nlohmann::json::parse (text)["openUrl"].get<std::string> ());
            std::lock_guard<std::mutex> lock (paletteMutex);
            paletteFolder = page.has_value () ? page->parent_path () : std::filesystem::path ();
        }
        log.Append (text);
        if (options.printLine)
            options.printLine (text);
    }
};

Sandbox::Sandbox (SandboxOptions options)
    : options (std::move (options))
{}

Sandbox::~Sandbox () { Stop (); }

int Sandbox::Start ()
{
    std::vector<ScenarioStep> setup;
    if (!options.setupScenario.empty ()) {
        std::ifstream file (Utf8Path (options.setupScenario));
        if (!file)
            throw HostError ("cannot read " + options.setupScenario);
        try {
            setup = ParseScenario (file);
        } catch (const ScenarioError& e) {
            throw HostError (options.setupScenario + ": " + e.what ());
        }
    }

    auto     started = std::make_unique<Running> (options);
    Running& run = *started;
    run.port = run.server.Bind (options.port);

    run.ui.Start ([this, &run, &setup] (Host& host) {
        host.GetTranscript ().SetWindow (HostTranscriptWindow);
        host.GetTranscript ().SetSink ([this, &run] (const std::string& text) { run.Line (text, options); });
        host.SetAddOnFile (options.addOnFile);
        if (!host.Load (options.addOnFile))
            throw HostError ("the add-on did not start: " + options.addOnFile);
        try {
            Serve::RunServeScenario (host, setup);
        } catch (const std::exception& e) {
            throw HostError (options.setupScenario + ": " + e.what ());
        }
    });

    Serve::AddRoutes (run.server, { options, run.port, run.ui, run.log, [&run] {
                                       std::lock_guard<std::mutex> lock (run.paletteMutex);
                                       return run.paletteFolder;
                                   } });
    run.server.Start (HttpThreads);
    running = std::move (started);
    return running->port;
}

void Sandbox::Stop ()
{
    if (!running)
        return;
    // requests from now on get 503 at once; those the UI thread has not run get it as it stops
    running->server.BeginStop ();
    running->ui.Stop ();
    running->log.Close ();
    running->server.Stop ();
    running.reset ();
}

void Sandbox::Post (std::function<void (Host&)> work)
{
    if (running)
        running->ui.Ask (
            std::move (work), [] (Host&) { return Serve::Answer {}; }, [] (const Serve::Answer&) {});
}

}   // namespace SimHost
