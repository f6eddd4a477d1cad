// One connection: requests read under the limits and deadlines, handed to their routes, and
// answered in order; or an event stream, written as the log grows.
#include "HttpCore.hpp"

#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

#include <cctype>

namespace SimHost::Serve {

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
using tcp = net::ip::tcp;

namespace {

constexpr std::size_t ReadChunk = 4096;
// what one write of an event stream carries at most
constexpr std::size_t               EventBytesPerWrite = std::size_t (1) << 20;
constexpr std::chrono::milliseconds EventComment { 1000 };
// after a refusal the client may still be sending: its bytes are read and dropped while they
// keep coming (a pause of a second ends it), for at most ten seconds, so that the refusal is
// not lost to a reset
constexpr std::chrono::milliseconds LingerPause { 1000 };
constexpr std::chrono::milliseconds LingerAtMost { 10000 };

int HexValue (char c)
{
    return std::isdigit (static_cast<unsigned char> (c)) ? c - '0' : std::tolower (static_cast<unsigned char> (c)) - 'a' + 10;
}

std::string Decoded (std::string_view text, bool plusIsSpace)
{
    std::string decoded;
    for (std::size_t i = 0; i < text.size (); ++i) {
        if (text[i] == '%' && i + 2 < text.size () && std::isxdigit (static_cast<unsigned char> (text[i + 1])) &&
            std::isxdigit (static_cast<unsigned char> (text[i + 2]))) {
            decoded.push_back (char (HexValue (text[i + 1]) * 16 + HexValue (text[i + 2])));
            i += 2;
        } else {
            decoded.push_back (plusIsSpace && text[i] == '+' ? ' ' : text[i]);
        }
    }
    return decoded;
}

void ReadTarget (std::string_view target, HttpRequest& request)
{
    const std::size_t question = target.find ('?');
    request.path = Decoded (target.substr (0, question), false);
    if (question == std::string_view::npos)
        return;
    std::string_view query = target.substr (question + 1);
    while (!query.empty ()) {
        const std::size_t      end = query.find ('&');
        const std::string_view pair = query.substr (0, end);
        const std::size_t      equals = pair.find ('=');
        if (!pair.empty ())
            request.query.emplace (Decoded (pair.substr (0, equals), true),
                                   equals == std::string_view::npos ? std::string () : Decoded (pair.substr (equals + 1), true));
        query = end == std::string_view::npos ? std::string_view () : query.substr (end + 1);
    }
}

class Session : public std::enable_shared_from_this<Session> {
public:
    Session (tcp::socket socket, HttpServer::Core& core)
        : stream (std::move (socket)),
          core (core),
          timer (stream.get_executor ()),
          buffer (core.limits.maxHeaderBytes + 2 * ReadChunk)
    {}
    ~Session () { --core.connections; }

    void Start () { WaitForRequest (core.limits.headerDeadline); }
    void RefuseAtOnce () { Write (ErrorResponse (503, "too many connections at once"), false); }

private:
    // A kept-alive connection waits for the next request's first byte, then its headers.
    void WaitForRequest (std::chrono::milliseconds firstByte)
    {
        if (buffer.size () > 0)
            return ReadHeader ();
        stream.expires_after (firstByte);
        stream.async_read_some (buffer.prepare (ReadChunk), [self = shared_from_this ()] (beast::error_code error, std::size_t read) {
            if (error)
                return self->Close ();
            self->buffer.commit (read);
            self->ReadHeader ();
        });
    }

    void ReadHeader ()
    {
        parser.emplace ();
        parser->header_limit (std::uint32_t (core.limits.maxHeaderBytes));
        parser->body_limit (core.limits.maxBody);
        stream.expires_after (core.limits.headerDeadline);
        http::async_read_header (stream, buffer, *parser,
                                 [self = shared_from_this ()] (beast::error_code error, std::size_t) { self->OnHeader (error); });
    }

    // A refusal of the headers alone answers before the body is read, and closes.
    void OnHeader (beast::error_code error)
    {
        if (error == http::error::header_limit || error == http::error::buffer_overflow)
            return Write (ErrorResponse (431, "headers are at most 100 lines and 64 KiB"), false);
        if (error == http::error::body_limit)
            return Write (ErrorResponse (413, "a body is at most 16 MiB"), false);
        if (error && error.category () == beast::http::make_error_code (http::error::bad_method).category () &&
            error != http::error::end_of_stream && error != http::error::partial_message)
            return Write (ErrorResponse (400, "not an HTTP request"), false);
        if (error)
            return Close ();
        const http::request<http::string_body>& message = parser->get ();
        request = HttpRequest ();
        request.method = std::string (message.method_string ());
        ReadTarget (message.target (), request);
        for (const auto& field : message)
            request.headers.emplace_back (std::string (field.name_string ()), std::string (field.value ()));
        keepAlive = message.keep_alive ();
        if (request.headers.size () > core.limits.maxHeaderLines)
            return Write (ErrorResponse (431, "headers are at most 100 lines and 64 KiB"), false);
        if (core.stopping)
            return Write (ErrorResponse (503, "the sandbox is stopping"), false);
        if (core.checkHeaders)
            if (std::optional<HttpResponse> refusal = core.checkHeaders (request))
                return Write (std::move (*refusal), false);
        if (parser->is_done ())
            return Dispatch ();
        if (beast::iequals (request.Header ("Expect"), "100-continue")) {
            auto going = std::make_shared<http::response<http::empty_body>> (http::status::continue_, 11);
            stream.expires_after (core.limits.writeDeadline);
            return http::async_write (stream, *going, [self = shared_from_this (), going] (beast::error_code error, std::size_t) {
                if (error)
                    return self->Close ();
                self->ReadBody ();
            });
        }
        ReadBody ();
    }

    void ReadBody ()
    {
        stream.expires_after (core.limits.bodyDeadline);
        http::async_read (stream, buffer, *parser, [self = shared_from_this ()] (beast::error_code error, std::size_t) {
            if (error == http::error::body_limit)
                return self->Write (ErrorResponse (413, "a body is at most 16 MiB"), false);
            if (error)
                return self->Close ();
            self->Dispatch ();
        });
    }

    void Dispatch ()
    {
        request.body = std::move (parser->get ().body ());
        parser.reset ();
        const HttpRoute* found = nullptr;
        for (const HttpRoute& route : core.routes) {
            if (route.method != request.method)
                continue;
            if (std::optional<std::string> rest = MatchRoute (route.pattern, request.path)) {
                request.matches = { request.path, *rest };
                found = &route;
                break;
            }
        }
        if (found == nullptr)
            return Write (ErrorResponse (404, "no such resource"), keepAlive);
        if (found->events)
            return OpenEvents (*found);

        const std::size_t number = ++asked;
        ++core.answering;
        answered = false;
        stream.expires_never ();
        timer.expires_after (core.limits.answerDeadline);
        timer.async_wait ([self = shared_from_this (), number] (beast::error_code error) {
            if (!error)
                self->Answer (ErrorResponse (503, "the host did not answer in time"), number);
        });
        HttpReply reply = [self = shared_from_this (), number] (HttpResponse response) {
            net::post (self->stream.get_executor (),
                       [self, number, response = std::move (response)] () mutable { self->Answer (std::move (response), number); });
        };
        try {
            found->handler (request, std::move (reply));
        } catch (const std::exception& e) {
            Answer (ErrorResponse (500, e.what ()), number);
        }
        // a body of up to 16 MiB is not kept while the connection waits for its next request
        std::string ().swap (request.body);
    }

    // The first answer to the request now waiting goes out; a late one is dropped.
    void Answer (HttpResponse response, std::size_t number)
    {
        if (number != asked || answered)
            return;
        answered = true;
        timer.cancel ();
        Write (std::move (response), keepAlive && !core.stopping, true);
    }

    void Write (HttpResponse response, bool keepOpen, bool counted = false)
    {
        auto message = std::make_shared<http::response<http::string_body>> (http::int_to_status (unsigned (response.status)), 11);
        message->result (unsigned (response.status));
        if (!response.body.empty () || response.status != 304)
            message->set (http::field::content_type, response.type);
        for (const auto& [name, value] : response.headers)
            message->set (name, value);
        message->body () = std::move (response.body);
        message->keep_alive (keepOpen);
        message->prepare_payload ();
        stream.expires_after (core.limits.writeDeadline);
        http::async_write (stream, *message,
                           [self = shared_from_this (), message, keepOpen, counted] (beast::error_code error, std::size_t) {
                               if (counted)
                                   --self->core.answering;
                               if (error || !keepOpen)
                                   return self->Close ();
                               self->WaitForRequest (self->core.limits.idleClose);
                           });
    }

    void OpenEvents (const HttpRoute& route)
    {
        std::variant<std::size_t, HttpResponse> start = route.events (request);
        if (HttpResponse* refusal = std::get_if<HttpResponse> (&start))
            return Write (std::move (*refusal), keepAlive);
        if (++core.streams > core.limits.maxEventStreams) {
            --core.streams;
            return Write (ErrorResponse (503, "too many event streams at once"), false);
        }
        streaming = true;
        next = std::get<std::size_t> (start);
        auto header = std::make_shared<http::response<http::empty_body>> (http::status::ok, 11);
        header->set (http::field::content_type, "text/event-stream");
        header->set (http::field::cache_control, "no-cache");
        header->chunked (true);
        auto writer = std::make_shared<http::response_serializer<http::empty_body>> (*header);
        stream.expires_after (core.limits.writeDeadline);
        http::async_write_header (stream, *writer, [self = shared_from_this (), header, writer] (beast::error_code error, std::size_t) {
            if (error)
                return self->Close ();
            self->PumpEvents ();
        });
    }

    // Writes what the log has from 'next' on; else waits for a line, or a second, after which
    // a comment finds a reader that has gone away.
    void PumpEvents ()
    {
        if (closing)
            return;
        const LogSlice slice = core.log.From (next, EventBytesPerWrite);
        std::string    text;
        if (slice.dropped > 0)
            text += "data: {\"dropped\":" + std::to_string (slice.dropped) + "}\n\n";
        std::size_t number = slice.next - slice.lines.size ();
        for (const auto& line : slice.lines)
            text += "id: " + std::to_string (number++) + "\ndata: " + *line + "\n\n";
        next = slice.next;
        if (!text.empty ())
            return WriteChunk (std::move (text));
        if (core.log.IsClosed ()) {
            stream.expires_after (core.limits.writeDeadline);
            return net::async_write (stream, http::make_chunk_last (),
                                     [self = shared_from_this ()] (beast::error_code, std::size_t) { self->Close (); });
        }
        timer.expires_after (EventComment);
        timer.async_wait ([self = shared_from_this ()] (beast::error_code error) {
            if (error)
                self->PumpEvents ();
            else
                self->WriteChunk (":\n\n");
        });
        if (!waitingForLine) {
            waitingForLine = true;
            core.log.Notify (next, [self = shared_from_this ()] {
                net::post (self->stream.get_executor (), [self] {
                    self->waitingForLine = false;
                    self->timer.cancel ();
                });
            });
        }
    }

    void WriteChunk (std::string text)
    {
        chunk = std::move (text);
        stream.expires_after (core.limits.writeDeadline);
        net::async_write (stream, http::make_chunk (net::buffer (chunk)),
                          [self = shared_from_this ()] (beast::error_code error, std::size_t) {
                              if (error)
                                  return self->Close ();
                              self->PumpEvents ();
                          });
    }

    // Sends no more, reads what the client still sends for a moment, then closes.
    void Close ()
    {
        if (streaming) {
            streaming = false;
            --core.streams;
        }
        if (closing)
            return;
        closing = true;
        timer.cancel ();
        beast::error_code ignored;
        stream.socket ().shutdown (tcp::socket::shutdown_send, ignored);
        lingerUntil = std::chrono::steady_clock::now () + LingerAtMost;
        dropped.resize (std::size_t (64) << 10);
        Drain ();
    }

    void Drain ()
    {
        const auto left = lingerUntil - std::chrono::steady_clock::now ();
        stream.expires_after (std::min<std::chrono::steady_clock::duration> (LingerPause, std::max (left, decltype (left) {})));
        stream.async_read_some (net::buffer (dropped), [self = shared_from_this ()] (beast::error_code error, std::size_t) {
            if (error) {
                beast::error_code ignored;
                self->stream.socket ().close (ignored);
                return;
            }
            self->Drain ();
        });
    }

    beast::tcp_stream                                      stream;
    HttpServer::Core&                                      core;
    net::steady_timer                                      timer;
    beast::flat_buffer                                     buffer;
    std::optional<http::request_parser<http::string_body>> parser;
    HttpRequest                                            request;
    bool                                                   keepAlive = false;
    std::size_t                                            asked = 0;
    bool                                                   answered = true;
    bool                                                   streaming = false;
    bool                                                   waitingForLine = false;
    bool                                                   closing = false;
    std::size_t                                            next = 0;
    std::string                                            chunk;
    std::vector<char>                                      dropped;   // only while lingering
    std::chrono::steady_clock::time_point                  lingerUntil;
};

}   // namespace

void ServeConnection (tcp::socket socket, HttpServer::Core& core)
{
    const bool over = ++core.connections > core.limits.maxConnections;
    auto       session = std::make_shared<Session> (std::move (socket), core);
    if (over)
        session->RefuseAtOnce ();
    else
        session->Start ();
}

}   // namespace SimHost::Serve
