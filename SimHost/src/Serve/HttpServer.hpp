// The sandbox's HTTP server on the loopback interface (Boost.Beast over Asio): a few threads
// serve every connection without a thread each. Limits hold however a client frames or
// trickles its request; a request is handed to its route only once it is read whole.
#pragma once

#include "TranscriptLog.hpp"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace SimHost::Serve {

struct HttpLimits {
    std::size_t               maxBody = std::size_t (16) << 20;
    std::size_t               maxHeaderBytes = std::size_t (64) << 10;
    std::size_t               maxHeaderLines = 100;
    std::size_t               maxConnections = 512;
    std::size_t               maxEventStreams = 32;
    std::chrono::milliseconds headerDeadline { 10000 };   // from a request's first byte
    std::chrono::milliseconds bodyDeadline { 30000 };     // from the end of its headers
    std::chrono::milliseconds idleClose { 1000 };         // a kept-alive connection with no next request
    std::chrono::milliseconds answerDeadline { 30000 };   // a route that has not answered by then: 503
    std::chrono::milliseconds writeDeadline { 10000 };    // a reader that takes no more bytes is dropped
};

struct HttpRequest {
    std::string                                      method;
    std::string                                      path;   // percent escapes decoded, no query
    std::map<std::string, std::string>               query;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string                                      body;
    std::vector<std::string>                         matches;   // the route pattern's groups

    bool        HasHeader (const std::string& name) const;
    std::string Header (const std::string& name) const;   // empty when missing
};

struct HttpResponse {
    int                                              status = 200;
    std::string                                      body;
    std::string                                      type = "application/json";
    std::vector<std::pair<std::string, std::string>> headers;
};

HttpResponse ErrorResponse (int status, const std::string& why);

// Called once, from any thread.
using HttpReply = std::function<void (HttpResponse)>;
using HttpHandler = std::function<void (const HttpRequest&, HttpReply)>;
// Where an event stream starts in the log, or the refusal.
using EventsHandler = std::function<std::variant<std::size_t, HttpResponse> (const HttpRequest&)>;
// A refusal made from the headers alone, before the body is read; the connection closes after it.
using HeaderCheck = std::function<std::optional<HttpResponse> (const HttpRequest&)>;

class HttpServer {
public:
    HttpServer (HttpLimits limits, const TranscriptLog& log);
    ~HttpServer ();
    HttpServer (const HttpServer&) = delete;
    HttpServer& operator= (const HttpServer&) = delete;

    // A pattern is a path, or a path's beginning followed by "(.+)": the rest, not empty, is
    // the request's matches[1].
    void Get (const std::string& pattern, HttpHandler handler);
    void Post (const std::string& pattern, HttpHandler handler);
    // Server-sent events: one per log line, "id:" its number, "data:" the line.
    void Events (const std::string& pattern, EventsHandler handler);
    void CheckHeaders (HeaderCheck check);

    // Binds 127.0.0.1:port (0: a free one) and returns the port; HostError when it cannot.
    int  Bind (int port);
    void Start (int threads);
    // Every request from now on is answered 503 at once.
    void BeginStop ();
    // Stops accepting, lets answers being written and streams end (at most about 1 s) and
    // ends the threads.
    void Stop ();

    struct Core;

private:
    std::unique_ptr<Core> core;
};

}   // namespace SimHost::Serve
