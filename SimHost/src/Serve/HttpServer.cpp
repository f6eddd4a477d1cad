#include "HttpCore.hpp"

#include "SimHost/HostError.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>

namespace SimHost::Serve {

namespace net = boost::asio;
using tcp = net::ip::tcp;

namespace {

// Connections the system holds for the listener before it takes them: 100 requests opened at
// once must not find some of theirs reset.
constexpr int ListenBacklog = 256;

bool SameName (const std::string& a, const std::string& b)
{
    return std::equal (a.begin (), a.end (), b.begin (), b.end (), [] (char x, char y) {
        return std::tolower (static_cast<unsigned char> (x)) == std::tolower (static_cast<unsigned char> (y));
    });
}

// The I/O context's handlers refer to the core without owning it: it ends with the server.
void Accept (HttpServer::Core& core)
{
    core.acceptor.async_accept (net::make_strand (core.io), [&core] (boost::system::error_code error, tcp::socket socket) {
        if (error == net::error::operation_aborted || !core.acceptor.is_open ())
            return;
        if (!error) {
            // answers go out at once, not held back until the last part was acknowledged
            boost::system::error_code ignored;
            socket.set_option (tcp::no_delay (true), ignored);
            ServeConnection (std::move (socket), core);
        }
        Accept (core);
    });
}

}   // namespace

bool HttpRequest::HasHeader (const std::string& name) const
{
    return std::any_of (headers.begin (), headers.end (), [&] (const auto& field) { return SameName (field.first, name); });
}

std::string HttpRequest::Header (const std::string& name) const
{
    for (const auto& [field, value] : headers)
        if (SameName (field, name))
            return value;
    return {};
}

std::optional<std::string> MatchRoute (const std::string& pattern, const std::string& path)
{
    const std::string any = "(.+)";
    if (pattern.size () >= any.size () && pattern.compare (pattern.size () - any.size (), any.size (), any) == 0) {
        const std::string prefix = pattern.substr (0, pattern.size () - any.size ());
        if (path.size () > prefix.size () && path.compare (0, prefix.size (), prefix) == 0)
            return path.substr (prefix.size ());
        return std::nullopt;
    }
    return path == pattern ? std::optional<std::string> (std::string ()) : std::nullopt;
}

HttpResponse ErrorResponse (int status, const std::string& why)
{
    return { status, nlohmann::json ({ { "error", why } }).dump (), "application/json", {} };
}

HttpServer::HttpServer (HttpLimits limits, const TranscriptLog& log)
    : core (std::make_unique<Core> (limits, log))
{}

HttpServer::~HttpServer () { Stop (); }

void HttpServer::Get (const std::string& pattern, HttpHandler handler)
{
    core->routes.push_back ({ "GET", pattern, std::move (handler), nullptr });
}

void HttpServer::Post (const std::string& pattern, HttpHandler handler)
{
    core->routes.push_back ({ "POST", pattern, std::move (handler), nullptr });
}

void HttpServer::Events (const std::string& pattern, EventsHandler handler)
{
    core->routes.push_back ({ "GET", pattern, nullptr, std::move (handler) });
}

void HttpServer::CheckHeaders (HeaderCheck check) { core->checkHeaders = std::move (check); }

int HttpServer::Bind (int port)
{
    boost::system::error_code error;
    const tcp::endpoint       at (net::ip::make_address ("127.0.0.1"), net::ip::port_type (port));
    core->acceptor.open (at.protocol (), error);
    // no SO_REUSEPORT: a port that another server holds is in use
    if (!error)
        core->acceptor.set_option (net::socket_base::reuse_address (true), error);
    if (!error)
        core->acceptor.bind (at, error);
    if (!error)
        core->acceptor.listen (ListenBacklog, error);
    if (error)
        throw HostError ("cannot listen on 127.0.0.1:" + std::to_string (port));
    return core->acceptor.local_endpoint ().port ();
}

void HttpServer::Start (int threads)
{
    Accept (*core);
    for (int i = 0; i < threads; ++i)
        core->threads.emplace_back ([this] { core->io.run (); });
}

void HttpServer::BeginStop () { core->stopping = true; }

void HttpServer::Stop ()
{
    if (core->threads.empty ())
        return;
    core->stopping = true;
    net::post (core->io, [this] {
        boost::system::error_code ignored;
        core->acceptor.close (ignored);
    });
    // answers on their way and streams that saw the log close get a moment to go out
    const auto until = std::chrono::steady_clock::now () + std::chrono::milliseconds (900);
    while ((core->answering > 0 || core->streams > 0) && std::chrono::steady_clock::now () < until)
        std::this_thread::sleep_for (std::chrono::milliseconds (5));
    core->io.stop ();
    for (std::thread& thread : core->threads)
        thread.join ();
    core->threads.clear ();
}

}   // namespace SimHost::Serve
