// The palette window: the menu toggle, the host's palette messages, host event 64, the close
// box and resizing, with the page lines each path raises.
#include "HostFixture.hpp"

using namespace VirelTests;

namespace {

const std::string Created = PageLine ("VirelEvents.onCreated()");
const std::string NotPainting = PageLine ("VirelEvents.onIsPainting(false);");
const std::string Shown = PageLine ("VirelEvents.onShow();");
const std::string Hidden = PageLine ("VirelEvents.onHide();");
const std::string Destroyed = PageLine ("VirelEvents.onDestroy();");
const std::string Returned = ReturnedLine ();

std::string Menu (int list = 32500, int item = 1)
{
    return R"({"do":"menu","list":)" + std::to_string (list) + R"(,"item":)" + std::to_string (item) + "}";
}

std::string Message (int message) { return R"({"do":"paletteMessage","message":)" + std::to_string (message) + "}"; }

class PaletteTest : public HostTest {
protected:
    void SetUp () override { Run (R"({"do":"load"})"); }

    nlohmann::json Palette () { return host->PaletteQuery ()["palette"]; }
    // The lines a step added, without the page-opening lines of a palette's creation.
    std::vector<std::string> PageAndCallLines (const std::string& steps)
    {
        std::vector<std::string> kept;
        for (const std::string& line : Run (steps))
            if (line.rfind ("{\"openUrl\"", 0) != 0 && line.rfind ("{\"scriptObject\"", 0) != 0)
                kept.push_back (line);
        return kept;
    }
};

TEST_P (PaletteTest, MenuItemCreatesShowsHidesAndShowsTheSamePalette)
{
    EXPECT_EQ (PageAndCallLines (Menu ()), (std::vector<std::string> { Created, NotPainting, Shown, Returned }));
    const DG::Palette* first = host->HeldPalette ();
    EXPECT_EQ (Palette ()["visible"], true);

    EXPECT_EQ (PageAndCallLines (Menu ()), (std::vector<std::string> { NotPainting, Hidden, Returned }));
    EXPECT_EQ (Palette ()["visible"], false);

    EXPECT_EQ (PageAndCallLines (Menu ()), (std::vector<std::string> { NotPainting, Shown, Returned }));
    EXPECT_EQ (host->HeldPalette (), first);
    EXPECT_EQ (Palette ()["visible"], true);
}

TEST_P (PaletteTest, OtherMenuItemsAndMenusDoNothing)
{
    EXPECT_EQ (Run (Menu (32500, 2)), std::vector<std::string> { Returned });
    EXPECT_EQ (Run (Menu (32000, 1)), std::vector<std::string> {});   // no handler installed for it
    EXPECT_EQ (Palette ()["exists"], false);
}

TEST_P (PaletteTest, ANewPaletteIsSizedFromItsDialog)
{
    Run (Menu ());
    EXPECT_EQ (Palette (), nlohmann::json::parse (R"({"exists":true,"visible":true,"width":600,"height":450,"browser":[600,450]})"));
}

struct MessageCase {
    const char*              name;
    std::string              before;   // steps that set the palette up
    int                      message;
    std::vector<std::string> lines;   // what the message adds
    bool                     existsAfter;
    bool                     visibleAfter;
};

class PaletteMessageTest : public PaletteTest {};

TEST_P (PaletteMessageTest, EachMessageWithAndWithoutAPalette)
{
    const std::string              hidden = Menu () + "\n" + Menu ();
    const std::vector<MessageCase> cases = {
        { "hide always, no palette", "", 1, { Returned }, false, false },
        { "hide always, visible", Menu (), 1, { NotPainting, Hidden, Returned }, true, false },
        { "hide always, hidden: the whole sequence again", hidden, 1, { NotPainting, Hidden, Returned }, true, false },
        { "hide if visible, no palette", "", 2, { Returned }, false, false },
        { "hide if visible, visible", Menu (), 2, { NotPainting, Hidden, Returned }, true, false },
        { "hide if visible, hidden", hidden, 2, { Returned }, true, false },
        { "show if hidden, no palette", "", 3, { Returned }, false, false },
        { "show if hidden, visible", Menu (), 3, { Returned }, true, true },
        { "show if hidden, hidden", hidden, 3, { NotPainting, Shown, Returned }, true, true },
        { "open, no palette: creates and shows", "", 6, { Created, NotPainting, Shown, Returned }, true, true },
        { "open, visible: shows again", Menu (), 6, { NotPainting, Shown, Returned }, true, true },
        { "open, hidden", hidden, 6, { NotPainting, Shown, Returned }, true, true },
        { "ask, no palette", "", 7, { Returned, R"({"paletteResult":false})" }, false, false },
        { "ask, visible", Menu (), 7, { Returned, R"({"paletteResult":true})" }, true, true },
        { "ask, hidden", hidden, 7, { Returned, R"({"paletteResult":false})" }, true, false },
        { "unknown message", Menu (), 5, { Returned }, true, true },
    };
    for (const MessageCase& test : cases) {
        SCOPED_TRACE (test.name);
        Restart (R"({"do":"load"})"
                 "\n" +
                 test.before);
        EXPECT_EQ (PageAndCallLines (Message (test.message)), test.lines);
        const nlohmann::json palette = Palette ();
        EXPECT_EQ (palette["exists"], test.existsAfter);
        if (test.existsAfter) {
            EXPECT_EQ (palette["visible"], test.visibleAfter);
        }
    }
}

TEST_P (PaletteTest, HostEvent64DestroysThePaletteAfterTellingThePage)
{
    Run (Menu ());
    EXPECT_EQ (Run (R"({"do":"hostEvent","code":64})"), (std::vector<std::string> { Destroyed, Returned }));
    EXPECT_EQ (Palette ()["exists"], false);
    // the next menu command creates a new palette
    EXPECT_EQ (PageAndCallLines (Menu ()), (std::vector<std::string> { Created, NotPainting, Shown, Returned }));
    EXPECT_EQ (Palette ()["visible"], true);
}

TEST_P (PaletteTest, OtherHostEventsLeaveThePalette)
{
    Run (Menu ());
    EXPECT_EQ (Run (R"({"do":"hostEvent","code":1})"), std::vector<std::string> {});              // not in the mask
    EXPECT_EQ (Run (R"({"do":"hostEvent","code":65})"), std::vector<std::string> { Returned });   // in the mask, not 64
    EXPECT_EQ (Palette ()["exists"], true);
    Run (R"({"do":"hostEvent","code":64})");
    EXPECT_EQ (Run (R"({"do":"hostEvent","code":64})"), std::vector<std::string> { Returned });   // no palette: nothing
}

TEST_P (PaletteTest, ClosingTheWindowHidesAndKeepsThePalette)
{
    Run (Menu ());
    const DG::Palette* palette = host->HeldPalette ();
    Calls ();
    EXPECT_EQ (Run (R"({"do":"closePalette"})"), (std::vector<std::string> { NotPainting, Hidden, R"({"accepted":true})" }));
    // the close request's own order: the handler cleared and the toolbox reset before hiding
    EXPECT_EQ (Calls (),
               (std::vector<std::string> { "HostClearNotifyHandler", "HostSetToolboxMode", "HostGetToolboxMode", "HostCancelInput" }));
    EXPECT_EQ (Palette ()["visible"], false);
    EXPECT_EQ (host->HeldPalette (), palette);
    EXPECT_EQ (Run (R"({"do":"closePalette"})"), std::vector<std::string> {});   // nothing visible to close
    EXPECT_EQ (PageAndCallLines (Menu ()), (std::vector<std::string> { NotPainting, Shown, Returned }));
    EXPECT_EQ (host->HeldPalette (), palette);
}

struct ResizeCase {
    const char* name;
    std::string drags;   // resizePalette steps
    int         width, height;
};

TEST_P (PaletteTest, TheBrowserFollowsAResizeAndTheResourceSizeIsNotKept)
{
    const std::vector<ResizeCase> cases = {
        { "a drag changes both", R"({"do":"resizePalette","dx":40,"dy":30})", 640, 480 },
        { "back to 600 × 450 is put back", R"({"do":"resizePalette","dx":40,"dy":30}
{"do":"resizePalette","dx":-40,"dy":-30})",
          640, 480 },
        { "601 × 450 stays", R"({"do":"resizePalette","dx":1,"dy":0})", 601, 450 },
        { "nothing changes on (0, 0)", R"({"do":"resizePalette","dx":0,"dy":0})", 600, 450 },
        { "never below 1 × 1", R"({"do":"resizePalette","dx":-5000,"dy":-5000})", 1, 1 },
    };
    for (const ResizeCase& test : cases) {
        SCOPED_TRACE (test.name);
        Restart (R"({"do":"load"})"
                 "\n" +
                 Menu () + "\n" + test.drags);
        const nlohmann::json palette = Palette ();
        EXPECT_EQ (palette["width"], test.width);
        EXPECT_EQ (palette["height"], test.height);
        EXPECT_EQ (palette["browser"], nlohmann::json::array ({ test.width, test.height }));
    }
}

TEST_P (PaletteTest, RegistersThePaletteWithItsGuidAndReferenceNumber)
{
    ASSERT_TRUE (host->Registrations ().palette.has_value ());
    const API_PaletteRegistration& registration = *host->Registrations ().palette;
    EXPECT_EQ (registration.referenceNumber, 0x95D50D90u);
    EXPECT_EQ (registration.flags, 1015);
    EXPECT_EQ (registration.paletteGuid, GS::Guid ("FEE27B6B-3873-4834-98B5-F0081AA4CD45"));
    const unsigned char* bytes = reinterpret_cast<const unsigned char*> (&registration);
    for (std::size_t i = 0; i < sizeof registration; ++i) {
        const bool field = i < 4 || (i >= 8 && i < 36);
        if (!field) {
            EXPECT_EQ (bytes[i], 0) << "byte " << i;
        }
    }
}

TEST_P (PaletteTest, APalettesWholeLifeLeavesNoBlockBehind)
{
    const std::string life = Menu () + "\n" + R"({"do":"hostEvent","code":64})";
    Run (life);   // the first palette may leave what lives as long as the add-on
    const USize before = GS::MemoryManager::AllocatedBlocks ();
    Run (life);
    EXPECT_EQ (GS::MemoryManager::AllocatedBlocks (), before);
    Run (Menu () + "\n" + Menu () + "\n" + Message (3) + "\n" + R"({"do":"closePalette"})" + "\n" + R"({"do":"hostEvent","code":64})");
    EXPECT_EQ (GS::MemoryManager::AllocatedBlocks (), before);
}

VIREL_ON_BOTH_BUILDS (PaletteTest);
VIREL_ON_BOTH_BUILDS (PaletteMessageTest);

}   // namespace
