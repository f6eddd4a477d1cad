// The host's point input: the user clicks in a window, or cancels. Outcomes are queued ahead
// (scenario step pickNext); with none queued the input waits in a nested event loop that
// keeps delivering posted work (palette messages, host events, page calls) and deferred
// module commands until a click is queued or the input is cancelled.
#pragma once

#include "InputRecords.hpp"

#include <deque>
#include <functional>
#include <string>

namespace SimHost {

class Host;

// A click: what the host writes into the point-input record. Indices are 0-based.
struct PointClick {
    GS::Guid    element;
    Int32       elementIndex = 0;
    Int32       bodyIndex = 0;
    Int32       polygonIndex = 0;
    Int32       pickKind = 0;
    API_Coord3D position { 0.0, 0.0, 0.0 };
};

struct PointOutcome {
    enum class Kind { Click, Cancel, Error };
    Kind       kind = Kind::Cancel;
    PointClick click;
    GSErrCode  code = 0;   // for Error
};

class PointInput {
public:
    void  Queue (const PointOutcome& outcome) { queued.push_back (outcome); }
    USize QueuedCount () const { return queued.size (); }

    // One input with 'prompt' [UI thread]: the first queued outcome, or the wait above. A
    // wait that nothing more can end (no work left, and the idle wait says none can come)
    // ends as cancelled. An input while another one waits fails with APIERR_NESTING.
    PointOutcome Take (Host& host, const std::string& prompt);

    // HostCancelInput: ends a waiting input as cancelled; nothing when none waits.
    void Cancel ();
    bool IsWaiting () const { return waiting; }
    // Whether a waiting input still waits: it has not been cancelled.
    bool StillWaiting () const { return waiting && !cancelled; }
    // How many inputs the host has been asked for, and the last one's prompt.
    USize              InputCount () const { return inputCount; }
    const std::string& LastPrompt () const { return lastPrompt; }

    // For a host whose work can arrive from other threads: called when a waiting input has
    // nothing left to run; returns false when nothing more can arrive. None: nothing can.
    void                          SetIdleWait (std::function<bool ()> wait) { idleWait = std::move (wait); }
    const std::function<bool ()>& IdleWait () const { return idleWait; }

private:
    bool TakeQueued (PointOutcome& outcome);

    std::deque<PointOutcome> queued;
    bool                     waiting = false;
    bool                     cancelled = false;
    USize                    inputCount = 0;
    std::string              lastPrompt;
    std::function<bool ()>   idleWait;
};

}   // namespace SimHost
