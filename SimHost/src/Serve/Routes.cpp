#include "Routes.hpp"

#include "CloseProject.hpp"
#include "FolderFiles.hpp"
#include "PagePick.hpp"
#include "PaletteHolder.hpp"
#include "SandboxState.hpp"
#include "ServeSteps.hpp"

#include <httplib.h>

#include <fstream>
#include <sstream>

namespace SimHost::Serve {

namespace {

constexpr std::size_t MaxBody = 16u << 20;

// Sends the bytes as they are. The HTTP library would otherwise compress every text and JSON
// body the browser accepts compressed, brotli at its slowest setting: tens of milliseconds per
// page call and seconds per script file, for nothing on the loopback interface. A body of
// known length given by a provider goes out uncompressed.
void SendAsIs (httplib::Response& response, std::string body, const std::string& type)
{
    if (body.empty ())
        return response.set_content (body, type);
    const auto held = std::make_shared<const std::string> (std::move (body));
    response.set_content_provider (held->size (), type, [held] (size_t offset, size_t length, httplib::DataSink& sink) {
        return sink.write (held->data () + offset, length);
    });
}

void Reply (httplib::Response& response, int status, const std::string& body)
{
    response.status = status;
    SendAsIs (response, body, "application/json");
}

void Refuse (httplib::Response& response, int status, const std::string& why)
{
    Reply (response, status, Line ({ { "error", why } }).dump ());
}

void ReplyAnswer (httplib::Response& response, const std::optional<Answer>& answer)
{
    if (answer.has_value ())
        Reply (response, answer->status, answer->body);
    else
        Refuse (response, 503, "the host did not answer in time");
}

std::string LinesBody (const std::vector<std::string>& lines)
{
    std::string body = "{\"lines\":[";
    for (std::size_t i = 0; i < lines.size (); ++i)
        body += (i == 0 ? "" : ",") + lines[i];
    return body + "]";
}

// The Host and Origin refusals: a page of another site must not drive the host, even through
// a name that resolves to the loopback interface.
bool Refused (const RouteContext& context, const httplib::Request& request, httplib::Response& response)
{
    const std::string port = ":" + std::to_string (context.port);
    const std::string host = request.get_header_value ("Host");
    if (host != "127.0.0.1" + port && host != "localhost" + port) {
        Refuse (response, 403, "the Host header must name this server on the loopback interface");
        return true;
    }
    if (request.method == "POST" && request.has_header ("Origin")) {
        const std::string origin = request.get_header_value ("Origin");
        if (origin != "http://127.0.0.1" + port && origin != "http://localhost" + port) {
            Refuse (response, 403, "a request from another origin");
            return true;
        }
    }
    if (request.get_header_value<uint64_t> ("Content-Length") > MaxBody) {
        Refuse (response, 413, "a body is at most 16 MiB");
        return true;
    }
    return false;
}

void PostStep (const RouteContext& context, const httplib::Request& request, httplib::Response& response)
{
    ScenarioStep step;
    try {
        step = StepOfBody (request.body);
    } catch (const ScenarioError& e) {
        return Refuse (response, 400, e.what ());
    }
    struct Outcome {
        std::size_t first = 0;
        std::string error;
    };
    auto                        outcome = std::make_shared<Outcome> ();
    const std::optional<Answer> answer = context.ui.Ask (
        [outcome, step] (Host& host) {
            outcome->first = host.GetTranscript ().Lines ().size ();
            try {
                RunServeStep (host, step);
            } catch (const std::exception& e) {
                outcome->error = e.what ();
            }
        },
        [outcome] (Host& host) {
            if (!outcome->error.empty ())
                return Answer { 400, Line ({ { "error", outcome->error } }).dump () };
            const std::vector<Line>& lines = host.GetTranscript ().Lines ();
            std::vector<std::string> caused;
            for (std::size_t i = outcome->first; i < lines.size (); ++i)
                caused.push_back (Transcript::Print (lines[i]));
            return Answer { 200, LinesBody (caused) + "}" };
        },
        context.options.answerTimeout);
    ReplyAnswer (response, answer);
}

std::size_t NumberParameter (const httplib::Request& request, const char* name)
{
    try {
        return request.has_param (name) ? std::stoull (request.get_param_value (name)) : 0;
    } catch (const std::exception&) {
        return 0;
    }
}

void GetTranscript (const RouteContext& context, const httplib::Request& request, httplib::Response& response)
{
    std::size_t                    next = 0;
    const std::vector<std::string> lines = context.log.From (NumberParameter (request, "since"), next);
    Reply (response, 200, LinesBody (lines) + ",\"next\":" + std::to_string (next) + "}");
}

// One event per line; Last-Event-ID (or ?since=N) says where to go on. A comment every
// second finds a reader that has gone away.
void GetEvents (const RouteContext& context, const httplib::Request& request, httplib::Response& response)
{
    std::size_t start = NumberParameter (request, "since");
    if (request.has_header ("Last-Event-ID")) {
        try {
            start = std::stoull (request.get_header_value ("Last-Event-ID")) + 1;
        } catch (const std::exception&) {
        }
    }
    auto                 next = std::make_shared<std::size_t> (start);
    const TranscriptLog& log = context.log;
    response.set_header ("Cache-Control", "no-cache");
    response.set_chunked_content_provider ("text/event-stream", [&log, next] (std::size_t, httplib::DataSink& sink) {
        if (!log.WaitFor (*next, std::chrono::milliseconds (1000))) {
            if (log.IsClosed ()) {
                sink.done ();
                return true;
            }
            return sink.write (":\n\n", 3);
        }
        std::size_t after = 0;
        std::string events;
        for (const std::string& line : log.From (*next, after))
            events += "id: " + std::to_string ((*next)++) + "\ndata: " + line + "\n\n";
        return sink.write (events.data (), events.size ());
    });
}

void GetState (const RouteContext& context, httplib::Response& response)
{
    ReplyAnswer (response, context.ui.Ask ([] (Host&) {},
                                           [] (Host& host) {
                                               return Answer { 200, Transcript::Print (SandboxState (host)) };
                                           },
                                           context.options.answerTimeout));
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
void SendFile (const std::filesystem::path& folder, const std::string& relative, const httplib::Request& request,
               httplib::Response& response)
{
    const std::optional<std::filesystem::path> file = folder.empty () ? std::nullopt : FileInside (folder, relative);
    if (!file.has_value ())
        return Refuse (response, 404, "no such file");
    const std::string version = VersionOf (*file);
    response.set_header ("Cache-Control", "no-cache");
    response.set_header ("ETag", version);
    if (request.get_header_value ("If-None-Match") == version) {
        response.status = 304;
        return;
    }
    std::ifstream      input (*file, std::ios::binary);
    std::ostringstream content;
    content << input.rdbuf ();
    SendAsIs (response, content.str (), ContentTypeOf (*file));
}

}   // namespace

void AddRoutes (httplib::Server& server, const RouteContext& context)
{
    server.set_payload_max_length (MaxBody);
    server.set_pre_routing_handler ([context] (const httplib::Request& request, httplib::Response& response) {
        if (!Refused (context, request, response))
            return httplib::Server::HandlerResponse::Unhandled;
        // a refused request's body is never read: the client must not send the next request
        // after it on the same connection, where it would be read as part of that body
        response.set_header ("Connection", "close");
        return httplib::Server::HandlerResponse::Handled;
    });
    server.Post ("/api/step",
                 [context] (const httplib::Request& request, httplib::Response& response) { PostStep (context, request, response); });
    server.Get ("/api/transcript",
                [context] (const httplib::Request& request, httplib::Response& response) { GetTranscript (context, request, response); });
    server.Get ("/api/events",
                [context] (const httplib::Request& request, httplib::Response& response) { GetEvents (context, request, response); });
    server.Get ("/api/state", [context] (const httplib::Request&, httplib::Response& response) { GetState (context, response); });
    AddPaletteHolderRoutes (server, context);
    AddCloseProjectRoute (server, context);
    AddPagePickRoute (server, context);
    server.Get ("/", [context] (const httplib::Request& request, httplib::Response& response) {
        SendFile (context.options.hostPageFolder, "index.html", request, response);
    });
    server.Get ("/host/(.+)", [context] (const httplib::Request& request, httplib::Response& response) {
        SendFile (context.options.hostPageFolder, request.matches[1], request, response);
    });
    server.Get ("/three/(.+)", [context] (const httplib::Request& request, httplib::Response& response) {
        SendFile (context.options.threeFolder, request.matches[1], request, response);
    });
    server.Get ("/palette/(.+)", [context] (const httplib::Request& request, httplib::Response& response) {
        SendFile (context.paletteFolder (), request.matches[1], request, response);
    });
    // the library's own refusals get a text; those of the routes above have theirs already
    server.set_error_handler ([] (const httplib::Request&, httplib::Response& response) {
        if (response.body.empty () && !response.has_header ("Content-Type"))
            Refuse (response, response.status, response.status == 413 ? "a body is at most 16 MiB" : "refused");
    });
}

}   // namespace SimHost::Serve
