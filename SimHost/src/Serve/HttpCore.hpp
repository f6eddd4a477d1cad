// What the HTTP server's connections share: the I/O context, the routes, the limits and the
// counts the caps are checked against. Inside the HTTP layer only.
#pragma once

#include "HttpServer.hpp"

#include <boost/asio.hpp>

#include <atomic>
#include <thread>

namespace SimHost::Serve {

struct HttpRoute {
    std::string   method;
    std::string   pattern;
    HttpHandler   handler;
    EventsHandler events;
};

struct HttpServer::Core {
    Core (HttpLimits limits, const TranscriptLog& log)
        : limits (limits),
          log (log)
    {}

    const HttpLimits     limits;
    const TranscriptLog& log;
    // before the I/O context: the connections it still holds count themselves out as it ends
    std::atomic<std::size_t>       connections { 0 };
    std::atomic<std::size_t>       streams { 0 };
    std::atomic<std::size_t>       answering { 0 };   // requests read and not yet answered
    std::atomic<bool>              stopping { false };
    boost::asio::io_context        io;
    boost::asio::ip::tcp::acceptor acceptor { io };
    std::vector<HttpRoute>         routes;
    HeaderCheck                    checkHeaders;
    std::vector<std::thread>       threads;
};

// The rest of the path the route's pattern ends with "(.+)" for; none when it does not match.
std::optional<std::string> MatchRoute (const std::string& pattern, const std::string& path);

// Serves one accepted connection until it closes.
void ServeConnection (boost::asio::ip::tcp::socket socket, HttpServer::Core& core);

}   // namespace SimHost::Serve
