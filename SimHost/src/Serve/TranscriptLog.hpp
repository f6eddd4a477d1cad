// The printed transcript lines as the sandbox's HTTP threads read them: the UI thread appends,
// any thread reads or waits for a line to come.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace SimHost::Serve {

class TranscriptLog {
public:
    void Append (const std::string& line);
    // Lines from number 'first' on (0-based); 'next' gets the number the next line will have.
    std::vector<std::string> From (std::size_t first, std::size_t& next) const;
    // Waits until line 'index' exists, the time is up or the log is closed; true when it exists.
    bool WaitFor (std::size_t index, std::chrono::milliseconds timeout) const;
    // No more lines will come: wakes every waiter.
    void Close ();
    bool IsClosed () const;

private:
    mutable std::mutex              mutex;
    mutable std::condition_variable added;
    std::vector<std::string>        lines;
    bool                            closed = false;
};

}   // namespace SimHost::Serve
