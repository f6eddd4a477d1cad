// The printed transcript lines as the sandbox's HTTP threads read them: the UI thread appends,
// any thread reads or waits for a line to come. A window of the most recent lines is kept;
// line numbers count every line ever appended. A long line that is already in the window (a
// page call asked again with the same answer) shares its text with it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace SimHost::Serve {

constexpr std::size_t LogWindowLines = 10000;
constexpr std::size_t LogWindowBytes = std::size_t (64) << 20;

struct LogSlice {
    std::vector<std::shared_ptr<const std::string>> lines;
    std::size_t                                     next = 0;      // the number of the first line not given
    std::size_t                                     dropped = 0;   // lines asked for that are no longer kept
};

class TranscriptLog {
public:
    explicit TranscriptLog (std::size_t windowLines = LogWindowLines, std::size_t windowBytes = LogWindowBytes)
        : windowLines (windowLines),
          windowBytes (windowBytes)
    {}

    void Append (const std::string& line);
    // Lines from number 'first' on (0-based), or from the oldest kept one; at most 'maxBytes'
    // of them, but always at least one line when there is one.
    LogSlice From (std::size_t first, std::size_t maxBytes = std::numeric_limits<std::size_t>::max ()) const;
    // The number the next line will have.
    std::size_t End () const;
    std::size_t Kept () const;
    // Waits until line 'index' exists, the time is up or the log is closed; true when it exists.
    bool WaitFor (std::size_t index, std::chrono::milliseconds timeout) const;
    // Calls 'wake' once, from the thread that appends, when line 'index' exists or the log is
    // closed: at once when that is so already.
    void Notify (std::size_t index, std::function<void ()> wake) const;
    // No more lines will come: wakes every waiter.
    void Close ();
    bool IsClosed () const;

private:
    // The text to keep for a line: shared with the same long line in the window, if any.
    std::shared_ptr<const std::string> TextFor (const std::string& line);
    void                               Forget (const std::shared_ptr<const std::string>& line);

    const std::size_t                              windowLines;
    const std::size_t                              windowBytes;
    mutable std::mutex                             mutex;
    mutable std::condition_variable                added;
    std::deque<std::shared_ptr<const std::string>> lines;
    std::size_t                                    oldest = 0;   // the number of lines.front ()
    std::size_t                                    bytes = 0;
    mutable std::vector<std::function<void ()>>    toWake;
    // long lines in the window by their hash
    std::unordered_map<std::size_t, std::weak_ptr<const std::string>> longLines;
    bool                                                              closed = false;
};

}   // namespace SimHost::Serve
