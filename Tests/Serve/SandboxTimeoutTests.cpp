// A UI thread that is slow to answer: the request gets 503 in time, and the host goes on.
#include "HostFixture.hpp"

#include "SimHost/Sandbox.hpp"

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

#include <atomic>
#include <chrono>
#include <thread>

namespace VirelTests {
namespace {

class SandboxTimeoutTest : public ::testing::TestWithParam<int> {};

struct Reply {
    int         status = 0;
    std::string body;
};

// One request on its own connection.
Reply Request (int port, boost::beast::http::verb method, const std::string& target, const std::string& body = {})
{
    namespace http = boost::beast::http;
    boost::asio::io_context      io;
    boost::asio::ip::tcp::socket socket (io);
    socket.connect ({ boost::asio::ip::make_address ("127.0.0.1"), boost::asio::ip::port_type (port) });
    http::request<http::string_body> request (method, target, 11);
    request.set (http::field::host, "127.0.0.1:" + std::to_string (port));
    request.body () = body;
    request.prepare_payload ();
    http::write (socket, request);
    boost::beast::flat_buffer         buffer;
    http::response<http::string_body> response;
    http::read (socket, buffer, response);
    return { int (response.result_int ()), response.body () };
}

TEST_P (SandboxTimeoutTest, SlowUiThreadGives503AndTheHostGoesOn)
{
    SimHost::SandboxOptions options;
    options.addOnFile = AddOnPath (GetParam ());
    options.port = 0;
    options.answerTimeout = std::chrono::milliseconds (200);
    SimHost::Sandbox sandbox (options);
    const int        port = sandbox.Start ();
    const auto       getState = [port] { return Request (port, boost::beast::http::verb::get, "/api/state"); };

    std::atomic<bool> release { false };
    sandbox.Post ([&release] (SimHost::Host&) {
        while (!release)
            std::this_thread::sleep_for (std::chrono::milliseconds (5));
    });
    const Reply stuck = Request (port, boost::beast::http::verb::post, "/api/step", R"({"do":"menu","list":32500,"item":1})");
    EXPECT_EQ (stuck.status, 503);

    release = true;
    // the step that got no answer still ran once the UI thread was free
    Reply state = getState ();
    for (int tries = 0; tries < 50 && state.body.find ("\"exists\":true") == std::string::npos; ++tries)
        state = getState ();
    EXPECT_EQ (state.status, 200);
    EXPECT_NE (state.body.find ("\"palette\":{\"exists\":true"), std::string::npos);
    sandbox.Stop ();
}

VIREL_ON_BOTH_BUILDS (SandboxTimeoutTest);

}   // namespace
}   // namespace VirelTests
