// "paintElement": the picked face's kind selects one override slot of the element, which gets
// a catalogue material in the one undoable step "Paint Element".
#include "HostFixture.hpp"

#include "ModelerHost.hpp"

#include <cstring>

using namespace VirelTests;

namespace {

const std::string NoValue = R"({"result":null})";
const std::string PaintStep = R"({"undoStep":"Paint Element"})";
const std::string Wall = "6B1C2D3E-4F50-4A61-9B72-8C93D4A5B6C7";
const std::string Other = "0A0B0C0D-0000-4000-8000-000000000002";
const std::string Third = "0A0B0C0D-0000-4000-8000-000000000003";
const std::string Unpainted = "[0,0]";

class PaintTest : public HostTest {
protected:
    void SetUp () override
    {
        LoadAndOpenPalette ();
        Run (R"({"do":"window","type":"3d"})");
    }

    // Adds materials until one has 'index'; its GUID.
    std::string MaterialWithIndex (int index)
    {
        for (;;) {
            const nlohmann::json line =
                RunLines (R"({"do":"addMaterial","path":["Surfaces","Virel"],"name":"Chalk","rgb":[1,1,1]})").at (0)["material"];
            if (line["index"] == index)
                return line["guid"];
        }
    }
    std::string Chalk () { return MaterialWithIndex (1); }

    void AddElement (const std::string& guid, int type, const std::string& bodies)
    {
        Run (R"({"do":"addElement","type":)" + std::to_string (type) + R"(,"guid":")" + guid + R"(","bodies":)" + bodies + "}");
    }

    // One slot of the element as the element query shows it: [flag, index].
    std::string Slot (const std::string& guid, const char* offset)
    {
        return host->GetTranscript ().Print (ElementQuery (guid)["element"]["slots"][offset]);
    }
    SimHost::Line ElementQuery (const std::string& guid)
    {
        return nlohmann::ordered_json::parse (Run (R"({"do":"element","guid":")" + guid + R"("})").at (0));
    }
    nlohmann::json UndoHistory () { return RunLines (R"({"do":"undoHistory"})").at (0); }

    API_Element Record (const std::string& guid)
    {
        const API_Element* record = host->Elements ().Find (GS::Guid (guid.c_str ()));
        EXPECT_NE (record, nullptr);
        API_Element copy;
        std::memset (static_cast<void*> (&copy), 0, sizeof copy);
        if (record != nullptr)
            std::memcpy (static_cast<void*> (&copy), record, sizeof copy);
        return copy;
    }

    // The offsets of the mask bytes the add-on marked in its last change.
    std::vector<USize> MarkedMaskBytes ()
    {
        std::vector<USize> marked;
        const auto&        request = host->Elements ().LastChangeRequest ();
        EXPECT_TRUE (request.has_value ());
        if (!request.has_value ())
            return marked;
        const auto* bytes = reinterpret_cast<const UInt8*> (&request->mask);
        for (USize offset = 0; offset < sizeof request->mask; ++offset)
            if (bytes[offset] != 0)
                marked.push_back (offset);
        return marked;
    }
};

bool SameBytes (const API_Element& a, const API_Element& b) { return std::memcmp (&a, &b, sizeof a) == 0; }

TEST_P (PaintTest, WallFaceGetsMaterialAsOneUndoStep)
{
    AddElement (Wall, 1, R"([["0x4002"]])");
    const std::string chalk = Chalk ();
    const API_Element unpainted = Record (Wall);

    EXPECT_EQ (Run (R"({"do":"call","fn":"beginPaint"})"
                    "\n"
                    R"({"do":"pickNext","click":{"guid":")" +
                    Wall +
                    R"(","element":0,"body":0,"polygon":0,"pickKind":1}})"
                    "\n"
                    R"({"do":"eventLoop"})"),
               (std::vector<std::string> { PageLine ("VirelEvents.onIsPainting(true);"), NoValue,
                                           PageLine ("VirelEvents.onElementSelected('" + Wall + "', 1, 1, 1)"), ReturnedLine () }));
    EXPECT_EQ (Run (PaintCall ({ Wall, "1", chalk, "1", "1" })), (std::vector<std::string> { PaintStep, NoValue }));
    EXPECT_EQ (Slot (Wall, "184"), "[1,1]");
    EXPECT_EQ (UndoHistory (), nlohmann::json::parse (R"({"undoHistory":["Paint Element"],"redo":[]})"));
    const API_Element painted = Record (Wall);

    Run (R"({"do":"undo"})");
    EXPECT_TRUE (SameBytes (Record (Wall), unpainted));
    EXPECT_EQ (UndoHistory (), nlohmann::json::parse (R"({"undoHistory":[],"redo":["Paint Element"]})"));

    Run (R"({"do":"redo"})");
    EXPECT_TRUE (SameBytes (Record (Wall), painted));
    EXPECT_EQ (Slot (Wall, "184"), "[1,1]");
    EXPECT_EQ (UndoHistory (), nlohmann::json::parse (R"({"undoHistory":["Paint Element"],"redo":[]})"));
}

TEST_P (PaintTest, MaterialIndexGoesIntoTheSlotAndOnlyItsFlagIsMarked)
{
    AddElement (Wall, 1, R"([["0x4002"]])");
    const std::string material = MaterialWithIndex (12);
    const API_Element before = Record (Wall);
    Run (PaintCall ({ Wall, "1", material, "1", "1" }));

    const API_Element& handed = host->Elements ().LastChangeRequest ()->record;
    const auto*        bytes = reinterpret_cast<const UInt8*> (&handed);
    EXPECT_EQ (bytes[184], 1);
    Int32 index = 0;
    std::memcpy (&index, bytes + 188, sizeof index);
    EXPECT_EQ (index, 12);
    EXPECT_EQ (MarkedMaskBytes (), std::vector<USize> { 184 });
    EXPECT_EQ (std::memcmp (bytes, &before, 184), 0);
    EXPECT_EQ (std::memcmp (bytes + 185, reinterpret_cast<const UInt8*> (&before) + 185, 3), 0);   // untouched
    EXPECT_EQ (std::memcmp (bytes + 192, reinterpret_cast<const UInt8*> (&before) + 192, sizeof before - 192), 0);
    EXPECT_EQ (Slot (Wall, "184"), "[1,12]");
}

struct FaceSlotCase {
    const char* faceKind;
    const char* slot;   // nullptr: none
};

const FaceSlotCase FaceSlots[] = {
    { "0x3000", "160" }, { "0x3001", "176" }, { "0x3002", "168" },   { "0x4000", "168" },   { "0x4001", "176" },
    { "0x4002", "184" }, { "0x5000", "336" }, { "0x5001", "320" },   { "0x500C", "328" },   { "0x7000", "320" },
    { "0x7001", "336" }, { "0x7008", "328" }, { "0x0000", nullptr }, { "0x4003", nullptr }, { "0x6000", nullptr },
};
const char* const SlotNames[] = { "160", "168", "176", "184", "320", "328", "336" };

TEST_P (PaintTest, FaceKindSelectsTheSlot)
{
    const std::string chalk = Chalk ();
    int               n = 0;
    for (const FaceSlotCase& face : FaceSlots) {
        SCOPED_TRACE (face.faceKind);
        char guid[40];
        std::snprintf (guid, sizeof guid, "0A0B0C0D-0000-4000-8000-%012d", ++n);
        AddElement (guid, 1, std::string (R"([[")") + face.faceKind + R"("]])");
        EXPECT_EQ (Run (PaintCall ({ guid, std::to_string (n), chalk, "1", "1" })), (std::vector<std::string> { PaintStep, NoValue }));
        for (const char* slot : SlotNames)
            EXPECT_EQ (Slot (guid, slot), face.slot != nullptr && std::strcmp (slot, face.slot) == 0 ? "[1,1]" : Unpainted) << slot;
        if (face.slot == nullptr) {
            EXPECT_EQ (MarkedMaskBytes (), std::vector<USize> {});
        }
    }
}

TEST_P (PaintTest, FacesThatShareASlotPaintTheSameOne)
{
    AddElement (Wall, 1, R"([["0x3002","0x4000","0x5001","0x7000"]])");
    const std::string first = MaterialWithIndex (1);
    const std::string second = MaterialWithIndex (2);
    Run (PaintCall ({ Wall, "1", first, "1", "1" }));
    Run (PaintCall ({ Wall, "1", second, "1", "2" }));
    EXPECT_EQ (Slot (Wall, "168"), "[1,2]");
    Run (PaintCall ({ Wall, "1", first, "1", "3" }));
    Run (PaintCall ({ Wall, "1", second, "1", "4" }));
    EXPECT_EQ (Slot (Wall, "320"), "[1,2]");
    for (const char* slot : { "160", "176", "184", "328", "336" })
        EXPECT_EQ (Slot (Wall, slot), Unpainted) << slot;
}

TEST_P (PaintTest, ThePolygonIsFoundByItsIdInTheRecordsElement)
{
    // ids run on across an element's bodies: body 2, polygon 1 is polygon id 2
    AddElement (Wall, 1, R"([["0x3000"],["0x4002"]])");
    const std::string chalk = Chalk ();
    Run (PaintCall ({ Wall, "1", chalk, "2", "1" }));
    EXPECT_EQ (Slot (Wall, "184"), "[1,1]");
    EXPECT_EQ (Slot (Wall, "160"), Unpainted);
}

TEST_P (PaintTest, BodyAndPolygonCountsBoundTheIndices)
{
    AddElement (Wall, 1, R"([["0x3000"],["0x4001","0x4002"]])");
    const std::string chalk = Chalk ();
    Run (PaintCall ({ Wall, "1", chalk, "2", "2" }));   // the last body, its last polygon
    EXPECT_EQ (Slot (Wall, "184"), "[1,1]");

    const PaintRequest beyond[] = { { Wall, "1", chalk, "3", "1" }, { Wall, "1", chalk, "2", "3" }, { Wall, "2", chalk, "1", "1" } };
    for (const PaintRequest& request : beyond) {
        SCOPED_TRACE (request.elementIndex + " " + request.bodyIndex + " " + request.polygonIndex);
        const API_Element before = Record (Wall);
        // the step still runs, with nothing marked
        EXPECT_EQ (Run (PaintCall (request)), (std::vector<std::string> { PaintStep, NoValue }));
        EXPECT_EQ (MarkedMaskBytes (), std::vector<USize> {});
        EXPECT_TRUE (SameBytes (Record (Wall), before));
    }
}

TEST_P (PaintTest, IndicesAreReadAsSaturated32BitIntegers)
{
    AddElement (Other, 1, R"([["0x3000"]])");
    AddElement (Wall, 1, R"([["0x3000"],["0x4002"]])");
    AddElement (Third, 1, R"([])");
    const std::string chalk = Chalk ();

    // element 2, body 2, polygon 1 is the wall's 0x4002 face; element 1 has no body 2, element 3 none at all
    const PaintRequest secondElement[] = { { Wall, "2.9", chalk, "2", "1" },
                                           { Wall, "4294967298", chalk, "2", "1" },
                                           { Wall, "2", chalk, "2.99", "true" } };
    for (const PaintRequest& request : secondElement) {
        SCOPED_TRACE (request.elementIndex + " " + request.bodyIndex + " " + request.polygonIndex);
        Run (PaintCall (request));
        EXPECT_EQ (Slot (Wall, "184"), "[1,1]");
        Run (R"({"do":"undo"})");
    }
    // true counts as 1: element 1, body 1, polygon 1 is polygon id 1, the wall's 0x3000 face
    Run (PaintCall ({ Wall, "true", chalk, "true", "true" }));
    EXPECT_EQ (Slot (Wall, "160"), "[1,1]");
    Run (R"({"do":"undo"})");

    const PaintRequest noFace[] = {
        { Wall, "1e12", chalk, "2", "1" },       { Wall, "-1e12", chalk, "2", "1" }, { Wall, "0", chalk, "2", "1" },
        { Wall, "-1", chalk, "2", "1" },         { Wall, "2", chalk, "0", "1" },     { Wall, "2", chalk, "1e300", "1" },
        { Wall, "2", chalk, "2", "-2.5" },       { Wall, "2", chalk, "2", "0.9" },   { Wall, "3", chalk, "1", "1" },
        { Wall, "4294967296", chalk, "2", "1" },
    };
    for (const PaintRequest& request : noFace) {
        SCOPED_TRACE (request.elementIndex + " " + request.bodyIndex + " " + request.polygonIndex);
        EXPECT_EQ (Run (PaintCall (request)), (std::vector<std::string> { PaintStep, NoValue }));
        EXPECT_EQ (MarkedMaskBytes (), std::vector<USize> {});
    }
    for (const char* slot : SlotNames)
        EXPECT_EQ (Slot (Wall, slot), Unpainted) << slot;
}

TEST_P (PaintTest, ElementsOfType6AreNeverPainted)
{
    AddElement (Wall, 6, R"([["0x4002"]])");
    const std::string chalk = Chalk ();
    Calls ();
    EXPECT_EQ (Run (PaintCall ({ Wall, "1", chalk, "1", "1" })), std::vector<std::string> { NoValue });
    const std::map<std::string, int> counts = CallCounts ();
    EXPECT_EQ (counts.count ("HostCallUndoableCommand"), 0u);
    EXPECT_EQ (counts.at ("HostGetAttribute"), 1);
    EXPECT_EQ (Slot (Wall, "184"), Unpainted);
}

TEST_P (PaintTest, AMaterialTheHostDoesNotHavePaintsNothing)
{
    AddElement (Wall, 1, R"([["0x4002"]])");
    const std::string chalk = Chalk ();
    Run (R"({"do":"breakMaterial","guid":")" + chalk + R"("})");
    const std::string neverMade = "01234567-89AB-CDEF-0123-456789ABCDEF";
    for (const std::string& material : { chalk, neverMade }) {
        Calls ();
        EXPECT_EQ (Run (PaintCall ({ Wall, "1", material, "1", "1" })), std::vector<std::string> { NoValue });
        EXPECT_EQ (CallCount ("HostCallUndoableCommand"), 0);
    }
    EXPECT_EQ (Slot (Wall, "184"), Unpainted);
    EXPECT_EQ (UndoHistory ()["undoHistory"], nlohmann::json::array ());
}

TEST_P (PaintTest, AnUnknownElementLeavesNoStep)
{
    AddElement (Wall, 1, R"([["0x4002"]])");
    const std::string chalk = Chalk ();
    EXPECT_EQ (Run (PaintCall ({ Other, "1", chalk, "1", "1" })), std::vector<std::string> { NoValue });
    EXPECT_EQ (UndoHistory ()["undoHistory"], nlohmann::json::array ());
    EXPECT_EQ (Slot (Wall, "184"), Unpainted);
}

TEST_P (PaintTest, OutsideThe3DWindowTheUserIsToldAndTheArgumentIsNotRead)
{
    Run (R"({"do":"window","type":"plan"})");
    const std::string told = ReportLine ("Painting is only supported in 3D View");
    EXPECT_EQ (Run (CallStep ("paintElement", "not json")), (std::vector<std::string> { told, NoValue }));
    EXPECT_EQ (Run (R"({"do":"call","fn":"paintElement"})"), (std::vector<std::string> { told, NoValue }));
    EXPECT_EQ (Run (R"({"do":"call","fn":"paintElement","argKind":"object"})"), std::vector<std::string> { ExceptionLine ("Bad cast.") });
}

TEST_P (PaintTest, InThe3DWindowABadArgumentEndsTheCall)
{
    AddElement (Wall, 1, R"([["0x4002"]])");
    const std::string                         chalk = Chalk ();
    const std::pair<std::string, std::string> cases[] = {
        { "not json", "[json.exception.parse_error.101] parse error at line 1, column 2: syntax error while parsing value - invalid "
                      "literal; last read: 'no'" },
        { "[1,2]", "[json.exception.type_error.305] cannot use operator[] with a string argument with array" },
        { "{}", "[json.exception.type_error.302] type must be string, but is null" },
        { R"({"elementId":")" + Wall + R"(","elementIndex":"1"})", "[json.exception.type_error.302] type must be number, but is string" },
        { R"({"elementId":")" + Wall + R"(","elementIndex":1,"materialId":")" + chalk + R"("})",
          "[json.exception.type_error.302] type must be number, but is null" },
    };
    Calls ();
    for (const auto& [argument, message] : cases)
        EXPECT_EQ (Run (CallStep ("paintElement", argument)), std::vector<std::string> { ExceptionLine (message) }) << argument;
    EXPECT_EQ (Run (R"({"do":"call","fn":"paintElement"})"), std::vector<std::string> { ExceptionLine ("Null reference.") });
    EXPECT_EQ (Run (R"({"do":"call","fn":"paintElement","argKind":"object"})"), std::vector<std::string> { ExceptionLine ("Bad cast.") });
    EXPECT_EQ (CallCount ("HostGetElement"), 0);
    EXPECT_EQ (UndoHistory ()["undoHistory"], nlohmann::json::array ());
}

TEST_P (PaintTest, OnlyTheApi28BuildPreparesTheModel)
{
    AddElement (Wall, 1, R"([["0x4002"]])");
    const std::string chalk = Chalk ();
    Calls ();
    Run (PaintCall ({ Wall, "1", chalk, "1", "1" }));
    // each operation once; their order is seen in what they did, not in the log
    std::map<std::string, int> expected;
    for (const char* call :
         { "HostGetCurrentWindow", "HostGetElement", "HostGetSight", "HostCreateAttributeReader", "HostGetPolygonFaceKind",
           "HostReleaseSight", "HostGetAttribute", "HostCallUndoableCommand", "HostChangeElement" })
        expected[call] = 1;
    if (Api () == 28)
        expected["HostPrepareModel"] = 1;
    EXPECT_EQ (CallCounts (), expected);
    // the face was found: the model was filled after it was prepared
    EXPECT_EQ (Slot (Wall, "184"), "[1,1]");
}

TEST_P (PaintTest, TheSightAndTheAttributeReaderAreGivenBack)
{
    AddElement (Wall, 1, R"([["0x4002"]])");
    const std::string chalk = Chalk ();
    Run (PaintCall ({ Wall, "1", chalk, "1", "1" }) + "\n" + PaintCall ({ Wall, "9", chalk, "1", "1" }));
    EXPECT_EQ (host->Elements ().OpenSights (), 0u);
    // a copy of the model that runs out of memory ends the call, and the sight still goes back
    ModelerAPI::FailModelCopies (1);
    const std::vector<std::string> failed = Run (PaintCall ({ Wall, "1", chalk, "1", "1" }));
    ModelerAPI::FailModelCopies (0);
    EXPECT_EQ (Only (failed, "exception").size (), 1u);
    EXPECT_EQ (host->Elements ().OpenSights (), 0u);
    EXPECT_EQ (host->Elements ().LiveAttributeReaders (), 0u);
    EXPECT_EQ (host->ViolationNames (), std::vector<std::string> {});
}

TEST_P (PaintTest, PaintingLeavesNoMemoryBehind)
{
    AddElement (Wall, 1, R"([["0x4002"]])");
    const std::string chalk = Chalk ();
    const std::string before = Run (R"({"do":"memory"})").at (0);
    Run (PaintCall ({ Wall, "1", chalk, "1", "1" }) + "\n" + CallStep ("paintElement", "{}") + "\n" +
         CallStep ("paintElement", "not json") + "\n" +
         R"({"do":"call","fn":"beginPaint"})"
         "\n"
         R"({"do":"eventLoop"})");
    EXPECT_EQ (Run (R"({"do":"memory"})").at (0), before);
}

TEST_P (PaintTest, PaintingNeedsNoPaintMode)
{
    AddElement (Wall, 1, R"([["0x4002"]])");
    const std::string chalk = Chalk ();
    EXPECT_EQ (Only (Run (PaintCall ({ Wall, "1", chalk, "1", "1" })), "page"), std::vector<std::string> {});
    EXPECT_EQ (Slot (Wall, "184"), "[1,1]");
}

VIREL_ON_BOTH_BUILDS (PaintTest);

}   // namespace
