// The host's side of painting as scenarios see it: elements and their query, the front
// window, queued picks, and an undo history that keeps only steps whose command succeeded.
#include "HostFixture.hpp"

using namespace VirelTests;

namespace {

const std::string Wall = "6B1C2D3E-4F50-4A61-9B72-8C93D4A5B6C7";
const std::string Door = "0A0B0C0D-0000-4000-8000-000000000002";
const std::string UndoHistoryStep = R"({"do":"undoHistory"})";

// The host's project and its steps, without an add-on.
class PaintingHostOnlyTest : public HostOnlyTest {};

// The host's undo history and model as a painting add-on meets them.
class PaintingHostTest : public HostTest {
protected:
    std::string AddChalk ()
    {
        return RunLines (R"({"do":"addMaterial","path":["Surfaces","Virel"],"name":"Chalk","rgb":[1,1,1]})").at (0)["material"]["guid"];
    }
};

TEST_F (PaintingHostOnlyTest, AddedElementsAreNumberedInTheModelAndQueriedBySlot)
{
    const std::vector<nlohmann::json> added = RunLines (R"({"do":"addElement","type":1,"guid":")" + Wall + R"(","bodies":[["0x4002"]]}
{"do":"addElement","type":7,"bodies":[]})");
    ASSERT_EQ (added.size (), 2u);
    EXPECT_EQ (added[0].dump (), R"({"element":{"guid":")" + Wall + R"(","index":0}})");
    EXPECT_EQ (added[1]["element"]["index"], 1);
    const std::string generated = added[1]["element"]["guid"];
    EXPECT_NE (generated, Wall);

    EXPECT_EQ (Run (R"({"do":"element","guid":")" + generated + R"("})"),
               std::vector<std::string> {
                   R"({"element":{"guid":")" + generated +
                   R"(","type":7,"slots":{"160":[0,0],"168":[0,0],"176":[0,0],"184":[0,0],"320":[0,0],"328":[0,0],"336":[0,0]}}})" });
    EXPECT_EQ (Run (R"({"do":"element","guid":")" + Door + R"("})"), std::vector<std::string> { R"({"element":null})" });
}

TEST_F (PaintingHostOnlyTest, TheSameSeedGivesTheSameElementGuids)
{
    const std::string first = RunLines (R"({"do":"addElement","type":1})").at (0)["element"]["guid"];
    Restart ();
    EXPECT_EQ (RunLines (R"({"do":"addElement","type":1})").at (0)["element"]["guid"], first);
}

TEST_F (PaintingHostOnlyTest, MalformedPaintingStepsAreRefusedBeforeAnythingRuns)
{
    const char* malformed[] = {
        R"({"do":"addElement","bodies":[]})",
        R"({"do":"addElement","type":1,"bodies":[["wall"]]})",
        R"({"do":"addElement","type":1,"bodies":["0x4002"]})",
        R"({"do":"addElement","type":1,"guid":"not a guid"})",
        R"({"do":"addElement","type":1,"at":[1]})",
        R"({"do":"addElement","type":1,"colour":1})",
        R"({"do":"window","type":"section"})",
        R"({"do":"pickNext"})",
        R"({"do":"pickNext","cancel":true,"error":"0x81060001"})",
        R"({"do":"pickNext","cancel":false})",
        R"({"do":"pickNext","click":{"face":1}})",
        R"({"do":"pickNext","click":{"pos":[1,2]}})",
        R"({"do":"pickNext","error":"wrong"})",
        R"({"do":"element"})",
    };
    for (const char* step : malformed)
        EXPECT_THROW (SimHost::ParseScenarioText (step), SimHost::ScenarioError) << step;
}

TEST_F (PaintingHostOnlyTest, AnElementGuidCanBeUsedOnce)
{
    Run (R"({"do":"addElement","type":1,"guid":")" + Wall + R"("})");
    EXPECT_THROW (Run (R"({"do":"addElement","type":2,"guid":")" + Wall + R"("})"), SimHost::ScenarioError);
}

TEST_F (PaintingHostOnlyTest, UndoAndRedoWithNothingToDoChangeNothing)
{
    EXPECT_EQ (Run (R"({"do":"undo"}
{"do":"redo"})"),
               std::vector<std::string> {});
    EXPECT_EQ (Run (UndoHistoryStep).at (0), R"({"undoHistory":[],"redo":[]})");
}

TEST_P (PaintingHostTest, AFailedCommandLeavesNoStepAndNoChange)
{
    Run (R"({"do":"addElement","type":1,"guid":")" + Wall + R"(","bodies":[["0x4002"]]})");
    LoadAndOpenPalette ();
    const std::string chalk = AddChalk ();
    Run (R"({"do":"window","type":"3d"}
{"do":"fail","op":"HostChangeElement","code":"0x810600CF","count":1})");
    EXPECT_EQ (Run (PaintCall ({ Wall, "1", chalk, "1", "1" })), std::vector<std::string> { R"({"result":null})" });
    EXPECT_EQ (Run (UndoHistoryStep).at (0), R"({"undoHistory":[],"redo":[]})");
    EXPECT_EQ (RunLines (R"({"do":"element","guid":")" + Wall + R"("})").at (0)["element"]["slots"]["184"].dump (), "[0,0]");
}

TEST_P (PaintingHostTest, ANewStepEndsWhatCouldBeRedone)
{
    Run (R"({"do":"addElement","type":1,"guid":")" + Wall + R"(","bodies":[["0x4002","0x3000"]]})");
    LoadAndOpenPalette ();
    const std::string chalk = AddChalk ();
    Run (R"({"do":"window","type":"3d"})"
         "\n" +
         PaintCall ({ Wall, "1", chalk, "1", "1" }) + "\n" + PaintCall ({ Wall, "1", chalk, "1", "2" }) + "\n" + R"({"do":"undo"})");
    EXPECT_EQ (Run (UndoHistoryStep).at (0), R"({"undoHistory":["Paint Element"],"redo":["Paint Element"]})");
    Run (PaintCall ({ Wall, "1", chalk, "1", "2" }));
    EXPECT_EQ (Run (UndoHistoryStep).at (0), R"({"undoHistory":["Paint Element","Paint Element"],"redo":[]})");
    Run (R"({"do":"undo"}
{"do":"undo"})");
    EXPECT_EQ (Run (UndoHistoryStep).at (0), R"({"undoHistory":[],"redo":["Paint Element","Paint Element"]})");
    EXPECT_EQ (RunLines (R"({"do":"element","guid":")" + Wall + R"("})").at (0)["element"]["slots"]["160"].dump (), "[0,0]");
}

TEST_P (PaintingHostTest, AFaceIsLookedUpInTheElementTheRecordNames)
{
    // the model's element 1 has a polygon 2; the door named by the record has only polygon 1
    Run (R"({"do":"addElement","type":1,"guid":")" + Wall + R"(","bodies":[["0x3000","0x4002"]]}
{"do":"addElement","type":2,"guid":")" +
         Door + R"(","bodies":[["0x3001"]]})");
    LoadAndOpenPalette ();
    const std::string chalk = AddChalk ();
    Run (R"({"do":"window","type":"3d"})"
         "\n" +
         PaintCall ({ Door, "1", chalk, "1", "2" }) + "\n" + PaintCall ({ Door, "1", chalk, "1", "1" }));
    const nlohmann::json slots = RunLines (R"({"do":"element","guid":")" + Door + R"("})").at (0)["element"]["slots"];
    EXPECT_EQ (slots["176"].dump (), "[1,1]");   // the door's own polygon 1
    EXPECT_EQ (slots["184"].dump (), "[0,0]");
    EXPECT_EQ (RunLines (R"({"do":"element","guid":")" + Wall + R"("})").at (0)["element"]["slots"]["160"].dump (), "[0,0]");
}

VIREL_ON_BOTH_BUILDS (PaintingHostTest);

}   // namespace
