// Paint mode and the pick: "beginPaint" queues one pick, the host runs it from its event loop,
// the user clicks (or cancels, or the input fails), and the page hears what was hit.
#include "HostFixture.hpp"

#include "ApiErrors.hpp"

#include <cstdio>

using namespace VirelTests;

namespace {

const std::string Painting = PageLine ("VirelEvents.onIsPainting(true);");
const std::string NotPainting = PageLine ("VirelEvents.onIsPainting(false);");
const std::string NoValue = R"({"result":null})";
const std::string Returned = ReturnedLine ();
const std::string WallGuid = "6B1C2D3E-4F50-4A61-9B72-8C93D4A5B6C7";
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

class PickTest : public HostTest {
protected:
    void SetUp () override
    {
        Run (R"({"do":"addElement","type":1,"guid":")" + WallGuid + R"(","bodies":[["0x4002"]]})");
        LoadAndOpenPalette ();
        Run (R"({"do":"window","type":"3d"})");
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
    const std::vector<std::string> lines = Only (Restart (R"({"do":"load"}
{"do":"menu","list":32500,"item":1})"),
                                                 "scriptObject");
    EXPECT_EQ (
        lines,
        std::vector<std::string> {
            R"({"scriptObject":"archicad","functions":["hide","getMaterials","resize","paintElement","beginPaint","endPaint","deleteMaterial","createMaterials"]})" });
}

TEST_P (PickTest, ClickOnAWallIsSentToThePage)
{
    EXPECT_EQ (Run (CallStep ("beginPaint")), (std::vector<std::string> { Painting, NoValue }));
    EXPECT_EQ (Run (ClickOnWall () + "\n" + R"({"do":"eventLoop"})"),
               (std::vector<std::string> { Selected (WallGuid, 1, 1, 1), Returned }));
    EXPECT_EQ (host->Elements ().Input ().LastPrompt (), "Click an element to paint it!");
}

TEST_P (PickTest, HostIndicesAreSentCountingFromOne)
{
    Run (CallStep ("beginPaint") + "\n" + Click (WallGuid, 0, 4, 17, WallPickKind));
    EXPECT_EQ (Only (Run (R"({"do":"eventLoop"})"), "page"), std::vector<std::string> { Selected (WallGuid, 1, 5, 18) });
}

TEST_P (PickTest, EndPaintBeforeTheCommandRunsCancelsThePick)
{
    Run (ClickOnWall ());
    Calls ();
    EXPECT_EQ (Only (Run (CallStep ("beginPaint") + "\n" + CallStep ("endPaint") + "\n" + R"({"do":"eventLoop"})"), "page"),
               (std::vector<std::string> { Painting, NotPainting }));
    EXPECT_EQ (CallCount ("APIIo_GetPointID"), 0);
    EXPECT_EQ (host->Elements ().Input ().QueuedCount (), 1u);
}

TEST_P (PickTest, EachBeginPaintYieldsOnePick)
{
    Run (CallStep ("beginPaint") + "\n" + ClickOnWall () + "\n" + Click (WallGuid, 0, 0, 1, WallPickKind));
    EXPECT_EQ (Only (Run (R"({"do":"eventLoop"})"), "page"), std::vector<std::string> { Selected (WallGuid, 1, 1, 1) });
    // paint mode stays on, but no second pick runs until the page asks again
    EXPECT_EQ (Run (R"({"do":"eventLoop"})"), std::vector<std::string> {});
    EXPECT_EQ (host->Elements ().Input ().QueuedCount (), 1u);
    EXPECT_EQ (Only (Run (CallStep ("beginPaint") + "\n" + R"({"do":"eventLoop"})"), "page"),
               (std::vector<std::string> { Painting, Selected (WallGuid, 1, 1, 2) }));
}

TEST_P (PickTest, BeginPaintTwiceQueuesTwoPicks)
{
    Run (ClickOnWall () + "\n" + Click (WallGuid, 0, 0, 1, WallPickKind));
    EXPECT_EQ (Only (Run (CallStep ("beginPaint") + "\n" + CallStep ("beginPaint") + "\n" + R"({"do":"eventLoop"})"), "page"),
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
    Run (CallStep ("beginPaint") + "\n" + R"({"do":"pickNext","cancel":true})");
    EXPECT_EQ (Run (R"({"do":"eventLoop"})"), (std::vector<std::string> { NotPainting, Returned }));
}

// Every error code of the host with its name: each group's codes run on from its first.
struct ErrorGroup {
    UInt32                   first;
    std::vector<std::string> names;
};

const ErrorGroup ErrorGroups[] = {
    { 0x81060001, { "APIERR_GENERAL", "APIERR_MEMFULL", "APIERR_CANCEL" } },
    { 0x81060065,
      { "APIERR_BADID", "APIERR_BADINDEX", "APIERR_BADNAME", "APIERR_BADPARS", "APIERR_BADPOLY", "APIERR_BADDATABASE", "APIERR_BADWINDOW",
        "APIERR_BADKEYCODE", "APIERR_BADPLATFORMSIGN", "APIERR_BADPLANE", "APIERR_BADUSERID", "APIERR_BADVALUE", "APIERR_BADELEMENTTYPE",
        "APIERR_IRREGULARPOLY" } },
    { 0x810600C9,
      { "APIERR_NO3D", "APIERR_NOMORE", "APIERR_NOPLAN", "APIERR_NOLIB", "APIERR_NOLIBSECT", "APIERR_NOSEL", "APIERR_NOTEDITABLE",
        "APIERR_NOTSUBTYPEOF", "APIERR_NOTEQUALMAIN", "APIERR_NOTEQUALREVISION", "APIERR_NOTEAMWORKPROJECT" } },
    { 0x810600DC,
      { "APIERR_NOUSERDATA", "APIERR_MOREUSER", "APIERR_LINKEXIST", "APIERR_LINKNOTEXIST", "APIERR_WINDEXIST", "APIERR_WINDNOTEXIST",
        "APIERR_UNDOEMPTY", "APIERR_REFERENCEEXIST", "APIERR_NAMEALREADYUSED" } },
    { 0x8106012D,
      { "APIERR_ATTREXIST", "APIERR_DELETED", "APIERR_LOCKEDLAY", "APIERR_HIDDENLAY", "APIERR_INVALFLOOR", "APIERR_NOTMINE",
        "APIERR_NOACCESSRIGHT", "APIERR_BADPROPERTY", "APIERR_BADCLASSIFICATION" } },
    { 0x81060191,
      { "APIERR_MODULNOTINSTALLED", "APIERR_MODULCMDMINE", "APIERR_MODULCMDNOTSUPPORTED", "APIERR_MODULCMDVERSNOTSUPPORTED",
        "APIERR_NOMODULEDATA" } },
    { 0x810601F5, { "APIERR_PAROVERLAP", "APIERR_PARMISSING", "APIERR_PAROVERFLOW", "APIERR_PARIMPLICIT" } },
    { 0x810601FE, { "APIERR_RUNOVERLAP", "APIERR_RUNMISSING", "APIERR_RUNOVERFLOW", "APIERR_RUNIMPLICIT", "APIERR_RUNPROTECTED" } },
    { 0x81060208, { "APIERR_EOLOVERLAP" } },
    { 0x81060212, { "APIERR_TABOVERLAP" } },
    { 0x81060385,
      { "APIERR_NOTINIT", "APIERR_NESTING", "APIERR_NOTSUPPORTED", "APIERR_REFUSEDCMD", "APIERR_REFUSEDPAR", "APIERR_READONLY",
        "APIERR_SERVICEFAILED", "APIERR_COMMANDFAILED", "APIERR_NEEDSUNDOSCOPE" } },
    { 0x810603E9, { "APIERR_MISSINGCODE", "APIERR_MISSINGDEF" } },
};

// Codes beside the groups, and far from them, have no name of their own.
const UInt32 UnnamedCodes[] = {
    0x81060004, 0x81060064, 0x81060073, 0x810600D4, 0x810600E5, 0x81060209, 0x810603EB, 0x12345678, 0x00000001
};

std::vector<std::pair<UInt32, std::string>> NamedCodes ()
{
    std::vector<std::pair<UInt32, std::string>> codes;
    for (const ErrorGroup& group : ErrorGroups)
        for (std::size_t i = 0; i < group.names.size (); ++i)
            codes.emplace_back (group.first + UInt32 (i), group.names[i]);
    return codes;
}

TEST (HostErrorCodes, AreTheHostsNamesAndValues)
{
    std::vector<std::pair<UInt32, std::string>> declared;
#define VIREL_ERROR_ENTRY(name, value) declared.emplace_back (UInt32 (value), #name);
    VIREL_API_ERRORS (VIREL_ERROR_ENTRY)
#undef VIREL_ERROR_ENTRY
    EXPECT_EQ (declared, NamedCodes ());
}

TEST_P (PickTest, FailingPointInputIsShownByNameAndEndsPaintMode)
{
    std::vector<std::pair<UInt32, std::string>> cases = NamedCodes ();
    ASSERT_EQ (cases.size (), 73u);
    for (UInt32 code : UnnamedCodes)
        cases.emplace_back (code, "Unknown Error");
    for (const auto& [code, name] : cases) {
        const std::string codeText = SimHost::CodeText (GSErrCode (code));
        SCOPED_TRACE (codeText);
        Run (CallStep ("beginPaint") + "\n" + R"({"do":"pickNext","error":")" + codeText + R"("})");
        std::vector<std::string> expected = { NotPainting, Returned };
        if (name != "APIERR_CANCEL")   // a cancel is not an error to show
            expected.insert (expected.begin (), ReportLine ("Error in APIIo_GetPointID: " + name));
        EXPECT_EQ (Run (R"({"do":"eventLoop"})"), expected);
    }
}

TEST_P (PickTest, AFailingInputLeavesTheClickForTheNextOne)
{
    Run (R"({"do":"fail","op":"APIIo_GetPointID","code":"0x8106006B","count":1})"
         "\n" +
         ClickOnWall () + "\n" + CallStep ("beginPaint"));
    EXPECT_EQ (Run (R"({"do":"eventLoop"})"),
               (std::vector<std::string> { ReportLine ("Error in APIIo_GetPointID: APIERR_BADWINDOW"), NotPainting, Returned }));
    EXPECT_EQ (Only (Run (CallStep ("beginPaint") + "\n" + R"({"do":"eventLoop"})"), "page"),
               (std::vector<std::string> { Painting, Selected (WallGuid, 1, 1, 1) }));
}

TEST_P (PickTest, AWaitingInputEndsAsCancelledWhenNothingCanArrive)
{
    Run (CallStep ("beginPaint"));
    EXPECT_EQ (Run (R"({"do":"eventLoop"})"), (std::vector<std::string> { NotPainting, Returned }));
    EXPECT_EQ (host->Elements ().Input ().InputCount (), 1u);
}

TEST_P (PickTest, EndPaintWhileTheInputWaitsCancelsIt)
{
    Run (CallStep ("beginPaint"));
    WhileWaiting (CallStep ("endPaint"));
    EXPECT_EQ (Run (R"({"do":"eventLoop"})"), (std::vector<std::string> { NotPainting, NoValue, NotPainting, Returned }));
}

TEST_P (PickTest, AWaitingInputStillServesThePageAndTakesALaterClick)
{
    Run (CallStep ("beginPaint"));
    WhileWaiting (CallStep ("getMaterials") + "\n" + ClickOnWall ());
    const std::vector<std::string> lines = Run (R"({"do":"eventLoop"})");
    ASSERT_EQ (lines.size (), 3u);
    EXPECT_EQ (lines[0].rfind (R"({"result":)", 0), 0u) << lines[0];
    EXPECT_EQ (lines[1], Selected (WallGuid, 1, 1, 1));
    EXPECT_EQ (lines[2], Returned);
}

TEST_P (PickTest, ASecondPickWhileOneWaitsLeavesTheClickToTheFirst)
{
    Run (CallStep ("beginPaint") + "\n" + CallStep ("beginPaint"));
    WhileWaiting (ClickOnWall ());
    // the waiting input runs the second command, which does nothing: one input at a time
    const std::vector<std::string> lines = Run (R"({"do":"eventLoop"})");
    EXPECT_EQ (Only (lines, "report"), std::vector<std::string> {});
    EXPECT_EQ (Only (lines, "page"), std::vector<std::string> { Selected (WallGuid, 1, 1, 1) });
    EXPECT_EQ (host->Elements ().Input ().InputCount (), 1u);
}

TEST_P (PickTest, DestroyingThePaletteEndsAWaitingInput)
{
    Run (CallStep ("beginPaint"));
    // a palette opened meanwhile never asked for a pick
    WhileWaiting (R"({"do":"hostEvent","code":64})"
                  "\n"
                  R"({"do":"menu","list":32500,"item":1})"
                  "\n" +
                  ClickOnWall ());
    const std::vector<std::string> lines = Run (R"({"do":"eventLoop"})");
    for (const std::string& line : Only (lines, "page"))
        EXPECT_EQ (line.find ("onElementSelected"), std::string::npos) << line;
    EXPECT_EQ (host->Elements ().Input ().QueuedCount (), 1u);   // the click was never taken
}

TEST_P (PickTest, APickQueuedBeforeThePaletteWentAwayIsDropped)
{
    Run (ClickOnWall ());
    Calls ();
    const std::vector<std::string> lines = Run (CallStep ("beginPaint") + "\n" + R"({"do":"hostEvent","code":64}
{"do":"eventLoop"})");
    EXPECT_EQ (Only (lines, "exception"), std::vector<std::string> {});
    EXPECT_EQ (lines.back (), Returned);
    EXPECT_EQ (Only (lines, "page"), (std::vector<std::string> { Painting, PageLine ("VirelEvents.onDestroy();") }));
    EXPECT_EQ (CallCount ("APIIo_GetPointID"), 0);
    // paint mode was left: a new palette says so
    EXPECT_EQ (Only (Run (R"({"do":"menu","list":32500,"item":1})"), "page")[1], NotPainting);
}

TEST_P (PickTest, APaletteThatGoesAwayDuringTheInputHearsNothing)
{
    Run (CallStep ("beginPaint"));
    WhileWaiting (R"({"do":"hostEvent","code":64})"
                  "\n" +
                  ClickOnWall ());
    const std::vector<std::string> lines = Run (R"({"do":"eventLoop"})");
    EXPECT_EQ (lines, (std::vector<std::string> { PageLine ("VirelEvents.onDestroy();"), Returned, Returned }));
    EXPECT_EQ (Only (Run (R"({"do":"menu","list":32500,"item":1})"), "page")[1], NotPainting);
}

TEST_P (PickTest, AClickBesideAnElementFindsTheOneUnderThePoint)
{
    Run (R"({"do":"addElement","type":5,"guid":"0A0B0C0D-0000-4000-8000-000000000001","bodies":[["0x3000"]],"at":[2.5,-1]})");
    Run (CallStep ("beginPaint") + "\n" + R"({"do":"pickNext","click":{"pos":[2.5,-1,0]}})");
    // the click itself hit nothing: the page gets what the host wrote for it
    EXPECT_EQ (Only (Run (R"({"do":"eventLoop"})"), "page"),
               std::vector<std::string> { Selected ("00000000-0000-0000-0000-000000000000", 1, 1, 1) });
}

TEST_P (PickTest, AClickOnNothingEndsPaintModeSilently)
{
    const char* clicks[] = {
        R"({"do":"pickNext","click":{"pos":[7,7,0]}})",   // nothing under the point
        R"({"do":"pickNext","click":{"pickKind":2}})",    // a kind that stands for no element
    };
    for (const char* click : clicks) {
        SCOPED_TRACE (click);
        Run (CallStep ("beginPaint") + "\n" + click);
        EXPECT_EQ (Run (R"({"do":"eventLoop"})"), (std::vector<std::string> { NotPainting, Returned }));
    }
}

VIREL_ON_BOTH_BUILDS (PickTest);

}   // namespace
