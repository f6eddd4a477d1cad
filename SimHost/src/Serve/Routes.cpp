#include "Routes.hpp"

#include "CloseProject.hpp"
#include "FolderFiles.hpp"
#include "PagePick.hpp"
#include "PaletteHolder.hpp"
#include "SandboxState.hpp"
#include "ServeSteps.hpp"

#include <charconv>
#include <fstream>
#include <sstream>

namespace SimHost::Serve {

namespace {

// One answer of GET /api/transcript holds at most this much of lines.
constexpr std::size_t MaxTranscriptAnswer = std::size_t (8) << 20;

std::string LinesBody (const std::vector<std::shared_ptr<const std::string>>& lines)
{
    std::string body = "{\"lines\":[";
    for (std::size_t i = 0; i < lines.size (); ++i)
        body += (i == 0 ? "" : ",") + *lines[i];
    return body + "]";
}

// The Host and Origin refusals: a page of another site must not drive the host, even through
// a name that resolves to the loopback interface.
std::optional<HttpResponse> Refused (const RouteContext& context, const HttpRequest& request)
{
    const std::string port = ":" + std::to_string (context.port);
    const std::string host = request.Header ("Host");
    if (host != "127.0.0.1" + port && host != "localhost" + port)
        return ErrorResponse (403, "the Host header must name this server on the loopback interface");
    if (request.method == "POST" && request.HasHeader ("Origin")) {
        const std::string origin = request.Header ("Origin");
        if (origin != "http://127.0.0.1" + port && origin != "http://localhost" + port)
            return ErrorResponse (403, "a request from another origin");
    }
    return std::nullopt;
}

void PostStep (const RouteContext& context, const HttpRequest& request, const HttpReply& reply)
{
    ScenarioStep step;
    try {
        step = StepOfBody (request.body);
    } catch (const ScenarioError& e) {
        return reply (ErrorResponse (400, e.what ()));
    }
    struct Outcome {
        std::size_t first = 0;
        std::string error;
    };
    auto                 outcome = std::make_shared<Outcome> ();
    const TranscriptLog& log = context.log;
    AskHost (
        context,
        [outcome, step, &log] (Host& host) {
            outcome->first = log.End ();
            try {
                RunServeStep (host, step);
            } catch (const std::exception& e) {
                outcome->error = e.what ();
            }
        },
        [outcome, &log] (Host&) {
            if (!outcome->error.empty ())
                return Answer { 400, Line ({ { "error", outcome->error } }).dump () };
            return Answer { 200, LinesAnswer (log, outcome->first) };
        },
        reply);
}

// A line number a client resumes from: a plain decimal number up to the next line's.
std::optional<std::size_t> LineNumber (const std::string& text, std::size_t end)
{
    std::size_t number = 0;
    const auto [at, error] = std::from_chars (text.data (), text.data () + text.size (), number);
    if (text.empty () || error != std::errc () || at != text.data () + text.size () || number > end)
        return std::nullopt;
    return number;
}

std::string ResumeRefusal (const std::string& name, std::size_t end)
{
    return name + " is a plain decimal line number from 0 to " + std::to_string (end);
}

void GetTranscript (const RouteContext& context, const HttpRequest& request, const HttpReply& reply)
{
    std::size_t since = 0;
    if (const auto given = request.query.find ("since"); given != request.query.end ()) {
        const std::size_t                end = context.log.End ();
        const std::optional<std::size_t> number = LineNumber (given->second, end);
        if (!number.has_value ())
            return reply (ErrorResponse (400, ResumeRefusal ("since", end)));
        since = *number;
    }
    const LogSlice slice = context.log.From (since, MaxTranscriptAnswer);
    std::string    body = LinesBody (slice.lines) + ",\"next\":" + std::to_string (slice.next);
    if (slice.dropped > 0)
        body += ",\"dropped\":" + std::to_string (slice.dropped);
    reply ({ 200, body + "}", "application/json", {} });
}

// One event per line; Last-Event-ID (or ?since=N) says where to go on.
std::variant<std::size_t, HttpResponse> OpenEvents (const RouteContext& context, const HttpRequest& request)
{
    const std::size_t end = context.log.End ();
    if (request.HasHeader ("Last-Event-ID")) {
        const std::optional<std::size_t> last = LineNumber (request.Header ("Last-Event-ID"), end);
        if (!last.has_value ())
            return ErrorResponse (400, ResumeRefusal ("Last-Event-ID", end));
        return *last + 1;
    }
    if (const auto given = request.query.find ("since"); given != request.query.end ()) {
        const std::optional<std::size_t> since = LineNumber (given->second, end);
        if (!since.has_value ())
            return ErrorResponse (400, ResumeRefusal ("since", end));
        return *since;
    }
    return std::size_t (0);
}

void GetState (const RouteContext& context, const HttpReply& reply)
{
    AskHost (
        context, [] (Host&) {},
        [] (Host& host) {
            return Answer { 200, Transcript::Print (SandboxState (host)) };
        },
        reply);
}

// A file's version as the browser's cache knows it: its size and when it was last written.
std::string VersionOf (const std::filesystem::path& file)
{
    std::error_code error;
    const auto      written = std::filesystem::last_write_time (file, error).time_since_epoch ().count ();
    return "\"" + std::to_string (std::filesystem::file_size (file, error)) + "-" + std::to_string (written) + "\"";
}

// The browser keeps what it was sent and asks each time whether it is still current, so that a
// page opened again takes its scripts, and the code compiled from them, from its cache.
void SendFile (const std::filesystem::path& folder, const std::string& relative, const HttpRequest& request, const HttpReply& reply)
{
    const std::optional<std::filesystem::path> file = folder.empty () ? std::nullopt : FileInside (folder, relative);
    if (!file.has_value ())
        return reply (ErrorResponse (404, "no such file"));
    const std::string version = VersionOf (*file);
    HttpResponse      response { 200, {}, ContentTypeOf (*file), { { "Cache-Control", "no-cache" }, { "ETag", version } } };
    if (request.Header ("If-None-Match") == version) {
        response.status = 304;
        return reply (std::move (response));
    }
    std::ifstream      input (*file, std::ios::binary);
    std::ostringstream content;
    content << input.rdbuf ();
    response.body = content.str ();
    reply (std::move (response));
}

}   // namespace

std::string LinesAnswer (const TranscriptLog& log, std::size_t first, const std::string& more)
{
    return LinesBody (log.From (first).lines) + more + "}";
}

void AskHost (const RouteContext& context, std::function<void (Host&)> run, std::function<Answer (Host&)> answer, const HttpReply& reply)
{
    context.ui.Ask (std::move (run), std::move (answer), [reply] (const Answer& made) {
        reply ({ made.status, made.body, "application/json", {} });
    });
}

void AddRoutes (HttpServer& server, const RouteContext& context)
{
    server.CheckHeaders ([context] (const HttpRequest& request) { return Refused (context, request); });
    server.Post ("/api/step", [context] (const HttpRequest& request, HttpReply reply) { PostStep (context, request, reply); });
    server.Get ("/api/transcript", [context] (const HttpRequest& request, HttpReply reply) { GetTranscript (context, request, reply); });
    server.Events ("/api/events", [context] (const HttpRequest& request) { return OpenEvents (context, request); });
    server.Get ("/api/state", [context] (const HttpRequest&, HttpReply reply) { GetState (context, reply); });
    AddPaletteHolderRoutes (server, context);
    AddCloseProjectRoute (server, context);
    AddPagePickRoute (server, context);
    server.Get ("/", [context] (const HttpRequest& request, HttpReply reply) {
        SendFile (context.options.hostPageFolder, "index.html", request, reply);
    });
    server.Get ("/host/(.+)", [context] (const HttpRequest& request, HttpReply reply) {
        SendFile (context.options.hostPageFolder, request.matches[1], request, reply);
    });
    server.Get ("/three/(.+)", [context] (const HttpRequest& request, HttpReply reply) {
        SendFile (context.options.threeFolder, request.matches[1], request, reply);
    });
    server.Get ("/palette/(.+)", [context] (const HttpRequest& request, HttpReply reply) {
        SendFile (context.paletteFolder (), request.matches[1], request, reply);
    });
}

}   // namespace SimHost::Serve
