#include "UiThread.hpp"

#include <future>

namespace SimHost::Serve {

Answer StoppingAnswer () { return { 503, R"({"error":"the sandbox is stopping"})" }; }

UiThread::~UiThread () { Stop (); }

void UiThread::Start (std::function<void (Host&)> start)
{
    std::promise<void> started;
    std::future<void>  ready = started.get_future ();
    thread = std::thread ([this, start = std::move (start), &started] () mutable { Main (std::move (start), started); });
    try {
        ready.get ();
    } catch (...) {
        thread.join ();
        throw;
    }
}

void UiThread::Main (std::function<void (Host&)> start, std::promise<void>& started)
{
    std::optional<Host> host;
    try {
        host.emplace (options);
        start (*host);
    } catch (...) {
        started.set_exception (std::current_exception ());
        return;
    }
    started.set_value ();

    // a point input that nothing has queued waits here for posted work; stopping cancels it
    host->Elements ().Input ().SetIdleWait ([this, &host] { return RunNext (*host); });
    do
        host->RunEventLoop ();
    while (RunNext (*host));

    AnswerDone (*host);
    std::deque<Work> dropped;
    {
        std::lock_guard<std::mutex> lock (mutex);
        dropped.swap (queue);
    }
    for (Work& work : dropped)
        work.done (StoppingAnswer ());
    host->Elements ().Input ().SetIdleWait (nullptr);
    try {
        if (host->IsOpen ())
            host->Unload (true);
    } catch (const std::exception&) {
    }
}

void UiThread::AnswerDone (Host& host)
{
    std::vector<Work> done;
    done.swap (unanswered);
    for (Work& work : done) {
        Answer answer;
        try {
            answer = work.answer (host);
        } catch (const std::exception& e) {
            answer = { 500, Line ({ { "error", e.what () } }).dump () };
        }
        work.done (answer);
    }
}

bool UiThread::RunNext (Host& host)
{
    AnswerDone (host);
    Work work;
    {
        std::unique_lock<std::mutex> lock (mutex);
        arrived.wait (lock, [this] { return stopping || !queue.empty (); });
        if (stopping)
            return false;
        work = std::move (queue.front ());
        queue.pop_front ();
    }
    work.run (host);
    unanswered.push_back (std::move (work));
    return true;
}

void UiThread::Ask (std::function<void (Host&)> run, std::function<Answer (Host&)> answer, std::function<void (const Answer&)> done)
{
    {
        std::lock_guard<std::mutex> lock (mutex);
        if (!stopping && thread.joinable ()) {
            queue.push_back ({ std::move (run), std::move (answer), done });
            done = nullptr;
        }
    }
    if (done)
        return done (StoppingAnswer ());
    arrived.notify_one ();
}

std::optional<Answer> UiThread::Ask (std::function<void (Host&)> run, std::function<Answer (Host&)> answer,
                                     std::chrono::milliseconds timeout)
{
    auto                reply = std::make_shared<std::promise<Answer>> ();
    std::future<Answer> replied = reply->get_future ();
    Ask (std::move (run), std::move (answer), [reply] (const Answer& given) { reply->set_value (given); });
    if (replied.wait_for (timeout) != std::future_status::ready)
        return std::nullopt;
    return replied.get ();
}

void UiThread::Stop ()
{
    {
        std::lock_guard<std::mutex> lock (mutex);
        stopping = true;
    }
    arrived.notify_all ();
    if (thread.joinable () && thread.get_id () != std::this_thread::get_id ())
        thread.join ();
}

}   // namespace SimHost::Serve
