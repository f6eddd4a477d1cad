#include "SimHost/Sandbox.hpp"

#include "FolderFiles.hpp"
#include "Routes.hpp"
#include "ServeSteps.hpp"

#include <httplib.h>

#include <fstream>

namespace SimHost {

namespace {

// Event streams and idle keep-alive connections hold a thread each, beside 100 requests
// at once.
constexpr std::size_t HttpThreads = 192;
constexpr std::size_t KeepAliveRequests = 100000;
// An idle kept-alive connection holds its thread this long, and stopping waits for it: a
// page that calls again later only opens a new connection, which on this machine's own
// address costs a fraction of a millisecond.
constexpr time_t KeepAliveIdleSeconds = 1;
// Connections the system holds for the listener before it takes them. The HTTP library listens
// with room for five, so 100 requests opened at once would find some connections reset.
constexpr int ListenBacklog = 256;

}   // namespace

struct Sandbox::Running {
    explicit Running (const SandboxOptions& options)
        : ui (HostOptions { options.seed })
    {}

    httplib::Server       server;
    Serve::UiThread       ui;
    Serve::TranscriptLog  log;
    std::thread           listener;
    int                   port = 0;
    socket_t              listening = INVALID_SOCKET;
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
        std::ifstream file (options.setupScenario);
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
    run.server.new_task_queue = [] { return new httplib::ThreadPool (HttpThreads); };
    // answers go out at once, not held back until the last part was acknowledged
    run.server.set_tcp_nodelay (true);
    // a page keeps its connections: each new one costs a handshake and a hand-over to the pool
    run.server.set_keep_alive_max_count (KeepAliveRequests);
    run.server.set_keep_alive_timeout (KeepAliveIdleSeconds);
    // no SO_REUSEPORT: a port that another server holds is in use
    run.server.set_socket_options ([&run] (socket_t socket) {
        int yes = 1;
        setsockopt (socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        run.listening = socket;
    });
    run.port = options.port == 0 ? run.server.bind_to_any_port ("127.0.0.1") : options.port;
    if (run.port <= 0 || (options.port != 0 && !run.server.bind_to_port ("127.0.0.1", options.port)))
        throw HostError ("cannot listen on 127.0.0.1:" + std::to_string (options.port));
    // listening again on the bound socket only widens its queue
    if (run.listening == INVALID_SOCKET || ::listen (run.listening, ListenBacklog) != 0)
        throw HostError ("cannot listen on 127.0.0.1:" + std::to_string (run.port));

    run.ui.Start ([this, &run, &setup] (Host& host) {
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
    run.listener = std::thread ([&run] { run.server.listen_after_bind (); });
    running = std::move (started);
    return running->port;
}

void Sandbox::Stop ()
{
    if (!running)
        return;
    running->ui.Stop ();
    running->log.Close ();
    running->server.stop ();
    if (running->listener.joinable ())
        running->listener.join ();
    running.reset ();
}

void Sandbox::Post (std::function<void (Host&)> work)
{
    if (running)
        running->ui.Ask (
            std::move (work), [] (Host&) { return Serve::Answer {}; }, std::chrono::milliseconds (0));
}

}   // namespace SimHost
