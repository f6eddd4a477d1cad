// undo-exact: a paint is one step that undo takes back byte for byte and redo puts back.
#include "ValidationChecks.hpp"
#include "SimHost/ValidationSession.hpp"

#include <cstring>

namespace SimHost {

namespace {

constexpr const char* Wall = "11111111-2222-3333-4444-555555555555";
const char* const     FaceKinds[] = { "0x4000", "0x4001", "0x4002", "0x4003", "0x4004", "0x4005" };

API_Element RecordOf (Host& host)
{
    API_Element record;
    std::memcpy (static_cast<void*> (&record), host.Elements ().Find (GS::Guid (Wall)), sizeof record);
    return record;
}

bool Same (const API_Element& a, const API_Element& b) { return std::memcmp (&a, &b, sizeof a) == 0; }

}   // namespace

void CheckUndoExact (const ValidationContext& context)
{
    ValidationSession session (context);
    std::string       bodies;
    for (const char* kind : FaceKinds)
        bodies += std::string (bodies.empty () ? "" : ",") + "\"" + kind + "\"";
    session.Run (std::string (R"({"do":"load"}
{"do":"addMaterial","path":["Surfaces","Virel"],"name":"Chalk","rgb":[1,1,1],"guid":"8F2C14A0-3B1D-4E5F-9A6B-7C8D9E0F1A2B"}
{"do":"addElement","type":1,"bodies":[[)") +
                 bodies + R"(]],"guid":")" + Wall + R"(","at":[2,3]}
{"do":"window","type":"3d"}
{"do":"menu","list":32500,"item":1})");
    Host& host = session.GetHost ();
    int   painted = 0;
    for (std::size_t polygon = 1; polygon <= std::size (FaceKinds); ++polygon) {
        const std::string       face = "face " + std::to_string (polygon);
        const API_Element       before = RecordOf (host);
        const std::vector<Line> lines = session.Run (CallStep (
            "paintElement", std::string (R"({"elementId":")") + Wall +
                                R"(","elementIndex":1,"materialId":"8F2C14A0-3B1D-4E5F-9A6B-7C8D9E0F1A2B","bodyIndex":1,"polygonIndex":)" +
                                std::to_string (polygon) + "}"));
        const API_Element       after = RecordOf (host);
        if (LinesWith (lines, "undoStep").empty () || Same (before, after))
            continue;   // a face kind that selects no slot
        ++painted;
        session.Run (R"({"do":"undo"})");
        Require (Same (RecordOf (host), before), face + ": undo did not restore the record byte for byte");
        session.Run (R"({"do":"redo"})");
        Require (Same (RecordOf (host), after), face + ": redo did not reapply the paint");
        session.Run (R"({"do":"undo"})");
    }
    Require (painted > 0, "no face could be painted");
    session.RequireNoViolation ();
}

}   // namespace SimHost
