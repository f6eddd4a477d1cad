// The sandbox's UI thread: it makes the host, owns it, and runs its event loop all the time.
// Other threads only post work to it and wait for the answer. A waiting point input keeps
// running posted work in its nested loop.
#pragma once

#include "SimHost/Host.hpp"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace SimHost::Serve {

struct Answer {
    int         status = 200;
    std::string body;
};

// The answer to work that was dropped because the thread stops.
Answer StoppingAnswer ();

class UiThread {
public:
    explicit UiThread (HostOptions options)
        : options (options)
    {}
    ~UiThread ();
    UiThread (const UiThread&) = delete;
    UiThread& operator= (const UiThread&) = delete;

    // Starts the thread, makes the host there and runs 'start' on it; what 'start' threw is
    // thrown here, and the thread has ended by then.
    void Start (std::function<void (Host&)> start);

    // Runs 'run' on the UI thread; 'answer' makes the reply once the UI thread next waits for
    // work, so that it sees what the work set off in the event loop, and 'done' gets it there.
    // Work that the stop drops, or that comes once it has begun, gets StoppingAnswer (), at
    // once when it comes late.
    void Ask (std::function<void (Host&)> run, std::function<Answer (Host&)> answer, std::function<void (const Answer&)> done);
    // The same, waiting for the answer: none when none came within 'timeout' (the work still runs).
    std::optional<Answer> Ask (std::function<void (Host&)> run, std::function<Answer (Host&)> answer, std::chrono::milliseconds timeout);

    // Cancels a waiting point input, lets the running work end, unloads the add-on and ends
    // the thread. Work not yet run is dropped.
    void Stop ();

private:
    struct Work {
        std::function<void (Host&)>         run;
        std::function<Answer (Host&)>       answer;
        std::function<void (const Answer&)> done;
    };

    void Main (std::function<void (Host&)> start, std::promise<void>& started);
    // Answers the work that has run, waits for the next and runs it; false when stopping.
    bool RunNext (Host& host);
    void AnswerDone (Host& host);

    HostOptions             options;
    std::thread             thread;
    std::mutex              mutex;
    std::condition_variable arrived;
    std::deque<Work>        queue;
    bool                    stopping = false;
    std::vector<Work>       unanswered;   // UI thread only
};

}   // namespace SimHost::Serve
