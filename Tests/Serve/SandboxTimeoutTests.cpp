// A UI thread that is slow to answer: the request gets 503 in time, and the host goes on.
#include "HostFixture.hpp"

#include "SimHost/Sandbox.hpp"

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace VirelTests {
namespace {

class SandboxTimeoutTest : public ::testing::TestWithParam<int> {};

TEST_P (SandboxTimeoutTest, SlowUiThreadGives503AndTheHostGoesOn)
{
    SimHost::SandboxOptions options;
    options.addOnFile = AddOnPath (GetParam ());
    options.port = 0;
    options.answerTimeout = std::chrono::milliseconds (200);
    SimHost::Sandbox sandbox (options);
    httplib::Client  client ("127.0.0.1", sandbox.Start ());

    std::atomic<bool> release { false };
    sandbox.Post ([&release] (SimHost::Host&) {
        while (!release)
            std::this_thread::sleep_for (std::chrono::milliseconds (5));
    });
    const auto stuck = client.Post ("/api/step", R"({"do":"menu","list":32500,"item":1})", "application/json");
    ASSERT_TRUE (stuck);
    EXPECT_EQ (stuck->status, 503);

    release = true;
    // the step that got no answer still ran once the UI thread was free
    auto state = client.Get ("/api/state");
    for (int tries = 0; tries < 50 && state && state->body.find ("\"exists\":true") == std::string::npos; ++tries)
        state = client.Get ("/api/state");
    ASSERT_TRUE (state);
    EXPECT_EQ (state->status, 200);
    EXPECT_NE (state->body.find ("\"palette\":{\"exists\":true"), std::string::npos);
    sandbox.Stop ();
}

VIREL_ON_BOTH_BUILDS (SandboxTimeoutTest);

}   // namespace
}   // namespace VirelTests
