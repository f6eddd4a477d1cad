// pick-lifecycle: rounds of beginPaint, each ended a seeded way: a click on an element, a
// click on nothing, the user's cancel, an input error, or, while the input waits, endPaint,
// hiding the palette, closing it or host event 64. What the host knows decides the verdict:
// one input per beginPaint and never two at once, none left waiting once paint mode is off,
// onIsPainting telling the page what the host sees, onElementSelected only for a click that
// found an element, with its GUID and 1-based indices.
#include "ValidationChecks.hpp"
#include "SimHost/ValidationSession.hpp"

#include "DGPanel.hpp"

#include <random>

namespace SimHost {

namespace {

constexpr int Rounds = 60;

enum class Ending { ClickOnWall, ClickOnNothing, Cancel, Error, EndPaint, HideMessage, ScriptHide, Close, Event64 };
constexpr int Endings = 9;

const char* const EndingNames[Endings] = { "a click on the wall",        "a click on nothing",
                                           "the user's cancel",          "an input error",
                                           "endPaint while waiting",     "palette message 1 while waiting",
                                           "hide while waiting",         "closing the palette while waiting",
                                           "host event 64 while waiting" };

// The step that ends a waiting input, or nothing for endings queued ahead.
std::string InterruptStep (Ending ending)
{
    switch (ending) {
        case Ending::EndPaint: return R"({"do":"call","fn":"endPaint"})";
        case Ending::HideMessage: return R"({"do":"paletteMessage","message":1})";
        case Ending::ScriptHide: return R"({"do":"call","fn":"hide"})";
        case Ending::Close: return R"({"do":"closePalette"})";
        case Ending::Event64: return R"({"do":"hostEvent","code":64})";
        default: return "";
    }
}

std::vector<std::string> PageLines (const std::vector<Line>& lines, const std::string& start)
{
    std::vector<std::string> found;
    for (const Line& line : LinesWith (lines, "page"))
        if (const std::string text = line["page"].get<std::string> (); text.rfind (start, 0) == 0)
            found.push_back (text);
    return found;
}

}   // namespace

void CheckPickLifecycle (const ValidationContext& context)
{
    std::mt19937_64   random (context.seed);
    ValidationSession session (context);
    Host&             host = session.GetHost ();
    PointInput&       input = host.Elements ().Input ();
    OpenPaletteInSmallProject (session);

    // the host's idle wait stands in for the user acting while the input waits: it runs the
    // round's interrupting step once, and a second call means the input outlived it
    std::string interrupt;
    bool        interrupted = false;
    std::string stillWaiting;
    input.SetIdleWait ([&] {
        if (interrupt.empty ())
            return false;
        if (interrupted) {
            stillWaiting = "the point input still waits after " + interrupt;
            return false;
        }
        interrupted = true;
        host.Post ([&] { session.Run (interrupt); });
        return true;
    });

    for (int round = 1; round <= Rounds; ++round) {
        const Ending      ending = Ending (random () % Endings);
        const std::string what = "round " + std::to_string (round) + ", " + EndingNames[int (ending)];
        if (host.HeldPalette () == nullptr || !host.HeldPalette ()->IsVisible ())
            session.Run (R"({"do":"menu","list":32500,"item":1})");
        const Int32 element = Int32 (random () % 4), body = Int32 (random () % 4), polygon = Int32 (random () % 4);
        switch (ending) {
            case Ending::ClickOnWall:
                session.Run (std::string (R"({"do":"pickNext","click":{"guid":")") + SmallProjectWall + R"(","element":)" +
                             std::to_string (element) + R"(,"body":)" + std::to_string (body) + R"(,"polygon":)" +
                             std::to_string (polygon) + R"(,"pickKind":1,"pos":[2,3,0]}})");
                break;
            case Ending::ClickOnNothing: session.Run (R"({"do":"pickNext","click":{"pickKind":0,"pos":[40,40,0]}})"); break;
            case Ending::Cancel: session.Run (R"({"do":"pickNext","cancel":true})"); break;
            case Ending::Error: session.Run (R"({"do":"pickNext","error":"0x81060001"})"); break;
            default: break;
        }
        interrupt = InterruptStep (ending);
        interrupted = false;
        const USize             inputsBefore = input.InputCount ();
        const std::vector<Line> lines = session.Run (R"({"do":"call","fn":"beginPaint"}
{"do":"eventLoop"})");
        Require (interrupt.empty () || interrupted, what + ": the point input never waited");
        interrupt.clear ();
        Require (stillWaiting.empty (), what + ": " + stillWaiting);
        Require (input.InputCount () == inputsBefore + 1,
                 what + ": expected one point input, got " + std::to_string (input.InputCount () - inputsBefore));
        Require (input.QueuedCount () == 0, what + ": the queued outcome was never taken");

        const std::vector<std::string> selected = PageLines (lines, "VirelEvents.onElementSelected(");
        const std::vector<std::string> painting = PageLines (lines, "VirelEvents.onIsPainting(");
        if (ending == Ending::ClickOnWall) {
            const std::string expected = std::string ("VirelEvents.onElementSelected('") + SmallProjectWall + "', " +
                                         std::to_string (element + 1) + ", " + std::to_string (body + 1) + ", " +
                                         std::to_string (polygon + 1) + ")";
            Require (selected == std::vector<std::string> { expected }, what + ": expected " + expected + ", got " +
                                                                            std::to_string (selected.size ()) + " element lines" +
                                                                            (selected.empty () ? "" : ", the first " + selected.front ()));
            Require (!painting.empty () && painting.back () == "VirelEvents.onIsPainting(true);",
                     what + ": paint mode is on, the page was last told otherwise");
        } else {
            Require (selected.empty (), what + ": onElementSelected for no element: " + (selected.empty () ? "" : selected.front ()));
            // host event 64 takes the page away with the palette
            if (ending != Ending::Event64)
                Require (!painting.empty () && painting.back () == "VirelEvents.onIsPainting(false);",
                         what + ": paint mode ended, the page was not told");
        }
        Require (!input.IsWaiting (), what + ": a point input is left waiting");
        session.RequireNoViolation ();
    }
    input.SetIdleWait (nullptr);
    session.Run (R"({"do":"unload"})");
    session.RequireNoViolation ();
}

}   // namespace SimHost
