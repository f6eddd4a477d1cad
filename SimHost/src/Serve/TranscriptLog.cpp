#include "TranscriptLog.hpp"

namespace SimHost::Serve {

void TranscriptLog::Append (const std::string& line)
{
    std::vector<std::function<void ()>> woken;
    {
        std::lock_guard<std::mutex> lock (mutex);
        lines.push_back (std::make_shared<const std::string> (line));
        bytes += line.size ();
        while (lines.size () > 1 && (lines.size () > windowLines || bytes > windowBytes)) {
            bytes -= lines.front ()->size ();
            lines.pop_front ();
            ++oldest;
        }
        woken.swap (toWake);
    }
    added.notify_all ();
    for (const auto& wake : woken)
        wake ();
}

void TranscriptLog::Notify (std::size_t index, std::function<void ()> wake) const
{
    {
        std::lock_guard<std::mutex> lock (mutex);
        if (!closed && index >= oldest + lines.size ()) {
            toWake.push_back (std::move (wake));
            return;
        }
    }
    wake ();
}

LogSlice TranscriptLog::From (std::size_t first, std::size_t maxBytes) const
{
    std::lock_guard<std::mutex> lock (mutex);
    LogSlice                    slice;
    slice.dropped = first < oldest ? oldest - first : 0;
    std::size_t number = first < oldest ? oldest : first;
    std::size_t taken = 0;
    for (; number < oldest + lines.size (); ++number) {
        const std::shared_ptr<const std::string>& line = lines[number - oldest];
        if (!slice.lines.empty () && taken + line->size () > maxBytes)
            break;
        taken += line->size ();
        slice.lines.push_back (line);
    }
    slice.next = number;
    return slice;
}

std::size_t TranscriptLog::End () const
{
    std::lock_guard<std::mutex> lock (mutex);
    return oldest + lines.size ();
}

std::size_t TranscriptLog::Kept () const
{
    std::lock_guard<std::mutex> lock (mutex);
    return lines.size ();
}

bool TranscriptLog::WaitFor (std::size_t index, std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> lock (mutex);
    added.wait_for (lock, timeout, [&] { return closed || index < oldest + lines.size (); });
    return index < oldest + lines.size ();
}

void TranscriptLog::Close ()
{
    std::vector<std::function<void ()>> woken;
    {
        std::lock_guard<std::mutex> lock (mutex);
        closed = true;
        woken.swap (toWake);
    }
    added.notify_all ();
    for (const auto& wake : woken)
        wake ();
}

bool TranscriptLog::IsClosed () const
{
    std::lock_guard<std::mutex> lock (mutex);
    return closed;
}

}   // namespace SimHost::Serve
