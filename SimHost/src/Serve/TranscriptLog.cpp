#include "TranscriptLog.hpp"

namespace SimHost::Serve {

void TranscriptLog::Append (const std::string& line)
{
    {
        std::lock_guard<std::mutex> lock (mutex);
        lines.push_back (line);
    }
    added.notify_all ();
}

std::vector<std::string> TranscriptLog::From (std::size_t first, std::size_t& next) const
{
    std::lock_guard<std::mutex> lock (mutex);
    next = lines.size ();
    if (first >= lines.size ())
        return {};
    return std::vector<std::string> (lines.begin () + std::ptrdiff_t (first), lines.end ());
}

bool TranscriptLog::WaitFor (std::size_t index, std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> lock (mutex);
    added.wait_for (lock, timeout, [&] { return closed || index < lines.size (); });
    return index < lines.size ();
}

void TranscriptLog::Close ()
{
    {
        std::lock_guard<std::mutex> lock (mutex);
        closed = true;
    }
    added.notify_all ();
}

bool TranscriptLog::IsClosed () const
{
    std::lock_guard<std::mutex> lock (mutex);
    return closed;
}

}   // namespace SimHost::Serve
