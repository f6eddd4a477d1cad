#include "Painting/PickCommand.hpp"

#include "HostApi/HostBoundary.hpp"
#include "PageBridge/PageEvents.hpp"
#include "Painting/PaintMode.hpp"
#include "Painting/PickElement.hpp"

#include "CH.hpp"

#include <cinttypes>
#include <cstdio>
#include <string>

namespace {

constexpr const char* PickPrompt = "Click an element to paint it!";

// Whether this command's point input is waiting for the user's click. The host's event loop
// keeps running meanwhile and may start the command again (the page asked to paint twice).
bool pickWaiting = false;

struct WaitingPick {
    WaitingPick () { pickWaiting = true; }
    WaitingPick (const WaitingPick&) = delete;
    WaitingPick& operator= (const WaitingPick&) = delete;
    ~WaitingPick () { pickWaiting = false; }
};

// The page counts from 1; the host's indices are 0-based. Wide enough for any host value.
Int64 PageIndex (Int32 hostIndex) { return Int64 (hostIndex) + 1; }

void RunPick ()
{
    API_GetPointType point;
    BNZeroMemory (&point, sizeof point);
    // one pick at a time: the one already waiting takes the click
    if (pickWaiting || !IsPainting ())
        return;
    // a pick whose page is gone (the palette was destroyed after "beginPaint") has no one
    // to tell: paint mode ends instead of asking the user to click
    if (!HasEventPage ()) {
        SetPainting (false);
        return;
    }
    bool picked = false;
    {
        const WaitingPick waiting;
        picked = PickElement (PickPrompt, point);
    }
    if (!picked) {
        SetPainting (false);
        return;
    }
    // paint mode may have ended while the host waited for the click: nobody wants it now
    if (!IsPainting ())
        return;
    // the palette can go away while the host waits for the click
    if (!HasEventPage ()) {
        SetPainting (false);
        return;
    }
    const std::string guidText = point.hitElemGuid.ToUniString ().ToCStr ().Get ();
    char              line[256];
    std::snprintf (line, sizeof line, "VirelEvents.onElementSelected('%s', %" PRId64 ", %" PRId64 ", %" PRId64 ")", guidText.c_str (),
                   PageIndex (point.hitElementIndex), PageIndex (point.hitBodyIndex), PageIndex (point.hitPolygonIndex));
    RunPageEvent (line);
}

}   // namespace

GSErrCode PickCommandHandler (GSHandle, GSPtr, bool)
{
    return CallFromHost ([] { RunPick (); });
}
