#include "TranscriptLog.hpp"

namespace SimHost::Serve {

namespace {

// Shorter lines are kept each on its own: looking them up would cost more than they take.
constexpr std::size_t SharedFrom = 1024;

}   // namespace

std::shared_ptr<const std::string> TranscriptLog::TextFor (const std::string& line)
{
    if (line.size () < SharedFrom)
        return std::make_shared<const std::string> (line);
    std::weak_ptr<const std::string>&  known = longLines[std::hash<std::string> {}(line)];
    std::shared_ptr<const std::string> text = known.lock ();
    if (text == nullptr || *text != line) {
        text = std::make_shared<const std::string> (line);
        known = text;
    }
    return text;
}

void TranscriptLog::Forget (const std::shared_ptr<const std::string>& line)
{
    if (line->size () < SharedFrom)
        return;
    // the last line in the window with this text, and no reader holds it
    if (line.use_count () == 1)
        longLines.erase (std::hash<std::string> {}(*line));
    // texts a reader still held when they left the window
    if (longLines.size () > 2 * lines.size () + 64)
        std::erase_if (longLines, [] (const auto& known) { return known.second.expired (); });
}

void TranscriptLog::Append (const std::string& line)
{
    std::vector<std::function<void ()>> woken;
    {
        std::lock_guard<std::mutex> lock (mutex);
        lines.push_back (TextFor (line));
        bytes += line.size ();
        while (lines.size () > 1 && (lines.size () > windowLines || bytes > windowBytes)) {
            bytes -= lines.front ()->size ();
            std::shared_ptr<const std::string> dropping = std::move (lines.front ());
            lines.pop_front ();
            Forget (dropping);
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
