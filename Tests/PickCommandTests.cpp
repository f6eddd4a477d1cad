// Paint mode and the pick: "beginPaint" queues one pick, the host runs it from its event loop,
// the user clicks (or cancels, or the input fails), and the page hears what was hit.
#include "HostFixture.hpp"

#include "ApiErrors.hpp"

#include <algorithm>
#include <cstdio>

using namespace VirelTests;

namespace {

const std::string Painting = PageLine ("VirelEvents.onIsPainting(true);");
const std::string NotPainting = PageLine ("VirelEvents.onIsPainting(false);");
const std::string NoValue = R"({"result":null})";
const std::string Returned = ReturnedLine ();
const std::string WallGuid = "6B1C2D3E-4F50-4A61-9B72-8C93D4A5B6C7";
constexpr int     WallType = 1;
constexpr int     WallPickKind = 1;

std::string Selected (const std::string& guid, int element, int body, int polygon)
{
    char line[160];
    std::snprintf (line, sizeof line, "VirelEvents.onElementSelected('%s', %d, %d, %d)", guid.c_str (), element, body, polygon);
    return PageLine (line);
}

std::string Click (const std::string& guid, int element, int body, int polygon, int pickKind)
{
    return R"({"do":"pickNext","click":{"guid":")" + guid + R"(","element":)" + std::to_string (element) + R"(,"body":)" +
           std::to_string (body) + R"(,"polygon":)" + std::to_string (polygon) + R"(,"pickKind":)" + std::to_string (pickKind) + "}}";
}

std::string ClickOnWall () { return Click (WallGuid, 0, 0, 0, WallPickKind); }

std::string Call (const std::string& function) { return R"({"do":"call","fn":")" + function + R"("})"; }

std::string ReportLine (const std::string& text) { return "{\"report\":" + nlohmann::json (text).dump () + "}"; }

class PickTest : public HostTest {
protected:
    void SetUp () override
    {
        Run (R"({"do":"addElement","type":1,"guid":")" + WallGuid + R"(","bodies":[["0x4002"]]})");
        LoadAndOpenPalette ();
        Run (R"({"do":"window","type":"3d"})");
    }

    // The host operations called since the last look.
    std::vector<std::string> Calls () { return host->CallsQuery ()["calls"].get<std::vector<std::string>> (); }
    bool Called (const std::string& operation)
    {
        const std::vector<std::string> calls = Calls ();
        return std::find (calls.begin (), calls.end (), operation) != calls.end ();
    }

    // Runs 'steps' once a point input waits with nothing queued: what the user does meanwhile.
    void WhileWaiting (const std::string& steps)
    {
        host->Elements ().Input ().SetIdleWait ([this, steps, done = false] () mutable {
            if (done)
                return false;
            done = true;
            host->Post ([this, steps] { Run (steps); });
            return true;
        });
    }
};

TEST_P (PickTest, ScriptObjectListsTheEightFunctionsInOrder)
{
    RestartHost ();
    const std::vector<std::string> lines = Only (Run (R"({"do":"load"}
{"do":"menu","list":32500,"item":1})"), "scriptObject");
    EXPECT_EQ (lines, std::vector<std::string> { R"({"scriptObject":"archicad","functions":["hide","getMaterials","resize","paintElement","beginPaint","endPaint","deleteMaterial","createMaterials"]})" });
}

TEST_P (PickTest, ClickOnAWallIsSentToThePage)
{
    EXPECT_EQ (Run (Call ("beginPaint")), (std::vector<std::string> { Painting, NoValue }));
    EXPECT_EQ (Run (ClickOnWall () + "\n" + R"({"do":"eventLoop"})"), (std::vector<std::string> { Selected (WallGuid, 1, 1, 1), Returned }));
    EXPECT_EQ (host->Elements ().Input ().LastPrompt (), "Click an element to paint it!");
}

TEST_P (PickTest, HostIndicesAreSentCountingFromOne)
{
    Run (Call ("beginPaint") + "\n" + Click (WallGuid, 0, 4, 17, WallPickKind));
    EXPECT_EQ (Only (Run (R"({"do":"eventLoop"})"), "page"), std::vector<std::string> { Selected (WallGuid, 1, 5, 18) });
}

TEST_P (PickTest, EndPaintBeforeTheCommandRunsCancelsThePick)
{
    Run (ClickOnWall ());
    Calls ();
    EXPECT_EQ (Only (Run (Call ("beginPaint") + "\n" + Call ("endPaint") + "\n" + R"({"do":"eventLoop"})"), "page"),
               (std::vector<std::string> { Painting, NotPainting }));
    EXPECT_FALSE (Called ("APIIo_GetPointID"));
    EXPECT_EQ (host->Elements ().Input ().QueuedCount (), 1u);
}

TEST_P (PickTest, EachBeginPaintYieldsOnePick)
{
    Run (Call ("beginPaint") + "\n" + ClickOnWall () + "\n" + Click (WallGuid, 0, 0, 1, WallPickKind));
    EXPECT_EQ (Only (Run (R"({"do":"eventLoop"})"), "page"), std::vector<std::string> { Selected (WallGuid, 1, 1, 1) });
    // paint mode stays on, but no second pick runs until the page asks again
    EXPECT_EQ (Run (R"({"do":"eventLoop"})"), std::vector<std::string> {});
    EXPECT_EQ (host->Elements ().Input ().QueuedCount (), 1u);
    EXPECT_EQ (Only (Run (Call ("beginPaint") + "\n" + R"({"do":"eventLoop"})"), "page"),
               (std::vector<std::string> { Painting, Selected (WallGuid, 1, 1, 2) }));
}

TEST_P (PickTest, BeginPaintTwiceQueuesTwoPicks)
{
    Run (ClickOnWall () + "\n" + Click (WallGuid, 0, 0, 1, WallPickKind));
    EXPECT_EQ (Only (Run (Call ("beginPaint") + "\n" + Call ("beginPaint") + "\n" + R"({"do":"eventLoop"})"), "page"),
               (std::vector<std::string> { Painting, Painting, Selected (WallGuid, 1, 1, 1), Selected (WallGuid, 1, 1, 2) }));
}

TEST_P (PickTest, BeginPaintAndEndPaintIgnoreTheirArgument)
{
    for (const std::string& argument : { std::string (R"(,"arg":"anything")"), std::string (R"(,"argKind":"object")") }) {
        EXPECT_EQ (Run (R"({"do":"call","fn":"beginPaint")" + argument + "}"), (std::vector<std::string> { Painting, NoValue }));
        EXPECT_EQ (Run (R"({"do":"call","fn":"endPaint")" + argument + "}"), (std::vector<std::string> { NotPainting, NoValue }));
    }
}

TEST_P (PickTest, CancelLeavesPaintModeWithoutAMessage)
{
    Run (Call ("beginPaint") + "\n" + R"({"do":"pickNext","cancel":true})");
    EXPECT_EQ (Run (R"({"do":"eventLoop"})"), (std::vector<std::string> { NotPainting, Returned }));
}

struct PointInputFailure {
    const char* code;
    const char* name;
};

// Each group of the host's codes, first and last, and codes just outside them.
const PointInputFailure Failures[] = {
    { "0x81060001", "APIERR_GENERAL" },           { "0x81060002", "APIERR_MEMFULL" },
    { "0x81060065", "APIERR_BADID" },             { "0x8106006B", "APIERR_BADWINDOW" },
    { "0x81060072", "APIERR_IRREGULARPOLY" },     { "0x810600C9", "APIERR_NO3D" },
    { "0x810600D3", "APIERR_NOTEAMWORKPROJECT" }, { "0x810600DC", "APIERR_NOUSERDATA" },
    { "0x810600E4", "APIERR_NAMEALREADYUSED" },   { "0x8106012D", "APIERR_ATTREXIST" },
    { "0x81060135", "APIERR_BADCLASSIFICATION" }, { "0x81060191", "APIERR_MODULNOTINSTALLED" },
    { "0x81060195", "APIERR_NOMODULEDATA" },      { "0x810601F5", "APIERR_PAROVERLAP" },
    { "0x810601F8", "APIERR_PARIMPLICIT" },       { "0x810601FE", "APIERR_RUNOVERLAP" },
    { "0x81060202", "APIERR_RUNPROTECTED" },      { "0x81060208", "APIERR_EOLOVERLAP" },
    { "0x81060212", "APIERR_TABOVERLAP" },        { "0x81060385", "APIERR_NOTINIT" },
    { "0x8106038D", "APIERR_NEEDSUNDOSCOPE" },    { "0x810603E9", "APIERR_MISSINGCODE" },
    { "0x810603EA", "APIERR_MISSINGDEF" },        { "0x81060004", "Unknown Error" },
    { "0x81060073", "Unknown Error" },            { "0x810600D4", "Unknown Error" },
    { "0x81060209", "Unknown Error" },            { "0x810603EB", "Unknown Error" },
    { "0x12345678", "Unknown Error" },            { "0x00000001", "Unknown Error" },
};

TEST_P (PickTest, FailingPointInputIsShownByNameAndEndsPaintMode)
{
    for (const PointInputFailure& failure : Failures) {
        SCOPED_TRACE (failure.code);
        Run (Call ("beginPaint") + "\n" + R"({"do":"pickNext","error":")" + failure.code + R"("})");
        EXPECT_EQ (Run (R"({"do":"eventLoop"})"),
                   (std::vector<std::string> { ReportLine (std::string ("Error in APIIo_GetPointID: ") + failure.name), NotPainting, Returned }));
    }
}

TEST_P (PickTest, EveryHostErrorCodeHasItsOwnName)
{
#define VIREL_ERROR_ENTRY(name, value) { GSErrCode (UInt32 (value)), #name },
    const std::pair<GSErrCode, std::string> codes[] = { VIREL_API_ERRORS (VIREL_ERROR_ENTRY) };
#undef VIREL_ERROR_ENTRY
    ASSERT_EQ (std::size (codes), 73u);
    for (const auto& [code, name] : codes) {
        if (code == APIERR_CANCEL)
            continue;   // a cancel is not an error to show
        Run (Call ("beginPaint") + "\n" + R"({"do":"pickNext","error":")" + SimHost::CodeText (code) + R"("})");
        EXPECT_EQ (Only (Run (R"({"do":"eventLoop"})"), "report"), std::vector<std::string> { ReportLine ("Error in APIIo_GetPointID: " + name) });
    }
}

TEST_P (PickTest, AFailingInputLeavesTheClickForTheNextOne)
{
    Run (R"({"do":"fail","op":"APIIo_GetPointID","code":"0x8106006B","count":1})" "\n" + ClickOnWall () + "\n" + Call ("beginPaint"));
    EXPECT_EQ (Run (R"({"do":"eventLoop"})"),
               (std::vector<std::string> { ReportLine ("Error in APIIo_GetPointID: APIERR_BADWINDOW"), NotPainting, Returned }));
    EXPECT_EQ (Only (Run (Call ("beginPaint") + "\n" + R"({"do":"eventLoop"})"), "page"),
               (std::vector<std::string> { Painting, Selected (WallGuid, 1, 1, 1) }));
}

TEST_P (PickTest, AWaitingInputEndsAsCancelledWhenNothingCanArrive)
{
    Run (Call ("beginPaint"));
    EXPECT_EQ (Run (R"({"do":"eventLoop"})"), (std::vector<std::string> { NotPainting, Returned }));
    EXPECT_EQ (host->Elements ().Input ().InputCount (), 1u);
}

TEST_P (PickTest, EndPaintWhileTheInputWaitsCancelsIt)
{
    Run (Call ("beginPaint"));
    WhileWaiting (Call ("endPaint"));
    EXPECT_EQ (Run (R"({"do":"eventLoop"})"), (std::vector<std::string> { NotPainting, NoValue, NotPainting, Returned }));
}

TEST_P (PickTest, AWaitingInputStillServesThePageAndTakesALaterClick)
{
    Run (Call ("beginPaint"));
    WhileWaiting (Call ("getMaterials") + "\n" + ClickOnWall ());
    const std::vector<std::string> lines = Run (R"({"do":"eventLoop"})");
    ASSERT_EQ (lines.size (), 3u);
    EXPECT_EQ (lines[0].rfind (R"({"result":)", 0), 0u) << lines[0];
    EXPECT_EQ (lines[1], Selected (WallGuid, 1, 1, 1));
    EXPECT_EQ (lines[2], Returned);
}

TEST_P (PickTest, ASecondPickWhileOneWaitsIsRefusedByTheHost)
{
    ExpectViolation ("nested-point-input");
    Run (Call ("beginPaint") + "\n" + Call ("beginPaint"));
    // the waiting input runs the second command, whose input the host refuses; then nothing
    // more can arrive and the first ends as cancelled
    EXPECT_EQ (Run (R"({"do":"eventLoop"})"), (std::vector<std::string> { R"({"violation":"nested-point-input","detail":"Click an element to paint it!"})",
                                                                         ReportLine ("Error in APIIo_GetPointID: APIERR_NESTING"),
                                                                         NotPainting, Returned, NotPainting, Returned }));
}

TEST_P (PickTest, APickQueuedBeforeThePaletteWentAwayIsDropped)
{
    Run (ClickOnWall ());
    Calls ();
    const std::vector<std::string> lines = Run (Call ("beginPaint") + "\n" + R"({"do":"hostEvent","code":64}
{"do":"eventLoop"})");
    EXPECT_EQ (Only (lines, "exception"), std::vector<std::string> {});
    EXPECT_EQ (lines.back (), Returned);
    EXPECT_EQ (Only (lines, "page"), (std::vector<std::string> { Painting, PageLine ("VirelEvents.onDestroy();") }));
    EXPECT_FALSE (Called ("APIIo_GetPointID"));
    // paint mode was left: a new palette says so
    EXPECT_EQ (Only (Run (R"({"do":"menu","list":32500,"item":1})"), "page")[1], NotPainting);
}

TEST_P (PickTest, APaletteThatGoesAwayDuringTheInputHearsNothing)
{
    Run (Call ("beginPaint"));
    WhileWaiting (R"({"do":"hostEvent","code":64})" "\n" + ClickOnWall ());
    const std::vector<std::string> lines = Run (R"({"do":"eventLoop"})");
    EXPECT_EQ (lines, (std::vector<std::string> { PageLine ("VirelEvents.onDestroy();"), Returned, Returned }));
    EXPECT_EQ (Only (Run (R"({"do":"menu","list":32500,"item":1})"), "page")[1], NotPainting);
}

TEST_P (PickTest, AClickBesideAnElementFindsTheOneUnderThePoint)
{
    Run (R"({"do":"addElement","type":5,"guid":"0A0B0C0D-0000-4000-8000-000000000001","bodies":[["0x3000"]],"at":[2.5,-1]})");
    Run (Call ("beginPaint") + "\n" + R"({"do":"pickNext","click":{"pos":[2.5,-1,0]}})");
    // the click itself hit nothing: the page gets what the host wrote for it
    EXPECT_EQ (Only (Run (R"({"do":"eventLoop"})"), "page"), std::vector<std::string> { Selected ("00000000-0000-0000-0000-000000000000", 1, 1, 1) });
}

TEST_P (PickTest, AClickOnNothingEndsPaintModeSilently)
{
    const char* clicks[] = {
        R"({"do":"pickNext","click":{"pos":[7,7,0]}})",          // nothing under the point
        R"({"do":"pickNext","click":{"pickKind":2}})",           // a kind that stands for no element
    };
    for (const char* click : clicks) {
        SCOPED_TRACE (click);
        Run (Call ("beginPaint") + "\n" + click);
        EXPECT_EQ (Run (R"({"do":"eventLoop"})"), (std::vector<std::string> { NotPainting, Returned }));
    }
}

VIREL_ON_BOTH_BUILDS (PickTest);

}   // namespace
