#include "SimHost/PointInput.hpp"

#include "SimHost/Host.hpp"

namespace SimHost {

namespace {

// Clears the waiting state however the wait ends, an exception from delivered work included.
class WaitingScope {
public:
    explicit WaitingScope (bool& waiting)
        : waiting (waiting)
    {
        waiting = true;
    }
    ~WaitingScope () { waiting = false; }
    WaitingScope (const WaitingScope&) = delete;
    WaitingScope& operator= (const WaitingScope&) = delete;

private:
    bool& waiting;
};

PointOutcome Cancelled () { return PointOutcome { PointOutcome::Kind::Cancel, {}, APIERR_CANCEL }; }

}   // namespace

bool PointInput::TakeQueued (PointOutcome& outcome)
{
    if (queued.empty ())
        return false;
    outcome = queued.front ();
    queued.pop_front ();
    return true;
}

PointOutcome PointInput::Take (Host& host, const std::string& prompt)
{
    if (waiting) {
        host.Violation (Breach::NestedPointInput, prompt);
        return PointOutcome { PointOutcome::Kind::Error, {}, APIERR_NESTING };
    }
    ++inputCount;
    lastPrompt = prompt;
    PointOutcome outcome;
    if (TakeQueued (outcome))
        return outcome;

    WaitingScope scope (waiting);
    cancelled = false;
    for (;;) {
        if (cancelled)
            return Cancelled ();
        if (TakeQueued (outcome))
            return outcome;
        if (host.RunOnePostedWork () || host.RunOneDeferred ())
            continue;
        if (!idleWait || !idleWait ())
            return Cancelled ();
    }
}

void PointInput::Cancel ()
{
    if (waiting)
        cancelled = true;
}

}   // namespace SimHost
