// paint-agrees: seeded paints of every face kind the host's override slots know, and of some
// they do not, with materials of many indices. The host's own table of face kind to slot says
// which 8 bytes may change; the rest of the element stays as it was, each paint is one
// "Paint Element" step, and undo and redo give back the records byte for byte.
#include "ValidationChecks.hpp"
#include "SimHost/ValidationSession.hpp"

#include <cstdio>
#include <cstring>
#include <optional>
#include <random>

namespace SimHost {

namespace {

// The override slot each face kind selects: the host's contract, held here as the value the
// add-on must agree with (not taken from the table the add-on builds from).
struct FaceSlot {
    Int32 kind;
    USize offset;
};
constexpr FaceSlot SlotOfKind[] = {
    { 0x3000, 160 }, { 0x3001, 176 }, { 0x3002, 168 }, { 0x4000, 168 }, { 0x4001, 176 }, { 0x4002, 184 },
    { 0x5000, 336 }, { 0x5001, 320 }, { 0x500C, 328 }, { 0x7000, 320 }, { 0x7001, 336 }, { 0x7008, 328 },
};
constexpr Int32 OtherKinds[] = { 0, 0x3003, 0x4003, 0x5002, 0x500B, 0x7002, 0x6000, 0x1 };
constexpr int   Paints = 120;
constexpr int   Materials = 8;

constexpr const char* Wall = "5A1E0000-0000-4000-8000-00000000A001";
constexpr const char* Unpaintable = "5A1E0000-0000-4000-8000-00000000A006";

std::optional<USize> ExpectedSlot (Int32 kind)
{
    for (const FaceSlot& slot : SlotOfKind)
        if (slot.kind == kind)
            return slot.offset;
    return std::nullopt;
}

std::string KindText (Int32 kind)
{
    char text[16];
    std::snprintf (text, sizeof text, "0x%04X", UInt32 (kind));
    return text;
}

std::vector<UInt8> Bytes (Host& host, const char* guid)
{
    const auto* record = reinterpret_cast<const UInt8*> (host.Elements ().Find (GS::Guid (guid)));
    return std::vector<UInt8> (record, record + sizeof (API_Element));
}

// The first byte where 'got' differs from 'expected', as a failure text.
void RequireSameBytes (const std::vector<UInt8>& got, const std::vector<UInt8>& expected, const std::string& what)
{
    for (USize i = 0; i < got.size (); ++i)
        Require (got[i] == expected[i], what + ": element byte " + std::to_string (i) + " expected " + std::to_string (expected[i]) +
                                            ", got " + std::to_string (got[i]));
}

std::string PaintStep (const char* element, const std::string& material, int polygon)
{
    return CallStep ("paintElement", std::string (R"({"elementId":")") + element + R"(","elementIndex":1,"materialId":")" + material +
                                         R"(","bodyIndex":1,"polygonIndex":)" + std::to_string (polygon) + "}");
}

}   // namespace

void CheckPaintAgrees (const ValidationContext& context)
{
    std::mt19937_64    random (context.seed);
    ValidationSession  session (context);
    Host&              host = session.GetHost ();
    std::vector<Int32> kinds;
    for (const FaceSlot& slot : SlotOfKind)
        kinds.push_back (slot.kind);
    kinds.insert (kinds.end (), std::begin (OtherKinds), std::end (OtherKinds));
    std::string body;
    for (const Int32 kind : kinds)
        body += (body.empty () ? "\"" : ",\"") + KindText (kind) + "\"";
    session.Run (R"({"do":"load"})");
    // materials of scattered indices, some beyond one byte
    std::vector<std::pair<std::string, Int32>> materials;
    for (int i = 0; i < Materials; ++i) {
        const int skipped = int (random () % 80);
        for (int s = 0; s < skipped; ++s)
            session.Run (R"({"do":"addMaterial","path":["Elsewhere"],"name":"Filler","rgb":[0,0,0]})");
        const Line made = session.Run (R"({"do":"addMaterial","path":["Surfaces","Virel"],"name":"Paint","rgb":[0.5,0.5,0.5]})").at (0);
        materials.emplace_back (made["material"]["guid"].get<std::string> (), made["material"]["index"].get<Int32> ());
    }
    session.Run (std::string (R"({"do":"addElement","type":1,"bodies":[[)") + body + R"(]],"guid":")" + Wall + R"("}
{"do":"addElement","type":6,"bodies":[[)" +
                 body + R"(]],"guid":")" + Unpaintable + R"("}
{"do":"window","type":"3d"}
{"do":"menu","list":32500,"item":1})");

    for (int paint = 1; paint <= Paints; ++paint) {
        const int   polygon = 1 + int (random () % kinds.size ());
        const Int32 kind = kinds[USize (polygon - 1)];
        const auto& [material, index] = materials[random () % materials.size ()];
        const std::string what =
            "paint " + std::to_string (paint) + ", face kind " + KindText (kind) + ", material index " + std::to_string (index);
        const std::vector<UInt8> before = Bytes (host, Wall);
        const std::vector<Line>  lines = session.Run (PaintStep (Wall, material, polygon));
        Require (LinesWith (lines, "undoStep").size () == 1,
                 what + ": expected one \"Paint Element\" step, got " + std::to_string (LinesWith (lines, "undoStep").size ()));
        Require (LinesWith (lines, "undoStep").front ()["undoStep"] == "Paint Element", what + ": the step is not \"Paint Element\"");
        std::vector<UInt8> expected = before;
        if (const std::optional<USize> slot = ExpectedSlot (kind)) {
            expected[*slot] = 1;
            std::memcpy (&expected[*slot + 4], &index, sizeof index);
        }
        const std::vector<UInt8> after = Bytes (host, Wall);
        RequireSameBytes (after, expected, what);
        session.Run (R"({"do":"undo"})");
        RequireSameBytes (Bytes (host, Wall), before, what + ", undone");
        session.Run (R"({"do":"redo"})");
        RequireSameBytes (Bytes (host, Wall), after, what + ", redone");
        session.RequireNoViolation ();
    }

    // type 6 is never painted; outside the 3D window the user is told, and that is all
    const std::vector<UInt8> unpaintable = Bytes (host, Unpaintable);
    const std::vector<Line>  type6 = session.Run (PaintStep (Unpaintable, materials.front ().first, 6));
    Require (LinesWith (type6, "undoStep").empty (), "an element of type 6 got a step");
    RequireSameBytes (Bytes (host, Unpaintable), unpaintable, "an element of type 6");
    const std::vector<UInt8> wall = Bytes (host, Wall);
    session.Run (R"({"do":"window","type":"plan"})");
    const std::vector<Line> outside = session.Run (PaintStep (Wall, materials.front ().first, 6));
    Require (outside.size () == 2 && outside.front ().value ("report", "") == "Painting is only supported in 3D View" &&
                 outside.back ().contains ("result"),
             "outside the 3D window: expected the report and the call's result, got " + std::to_string (outside.size ()) + " lines");
    RequireSameBytes (Bytes (host, Wall), wall, "outside the 3D window");
    session.RequireNoViolation ();
}

}   // namespace SimHost
