// Elements, the front window, picking, the event loop and the undo history, and the queries
// that show them.
#include "SimHost/ProjectQueries.hpp"
#include "SimHost/Scenario.hpp"

#include <cmath>

namespace SimHost {

namespace {

std::string GuidText (const GS::Guid& guid) { return guid.ToUniString ().ToCStr ().Get (); }

GS::Guid GuidValue (const nlohmann::json& value)
{
    if (!value.is_string ())
        throw std::runtime_error ("a GUID is a string");
    const std::string text = value.get<std::string> ();
    const GS::Guid    guid (text.c_str ());
    if (guid.IsNull ())
        throw std::runtime_error ("\"" + text + "\" is not a GUID");
    return guid;
}

Int32 Int32Value (const nlohmann::json& value, const char* what)
{
    if (!value.is_number_integer () || value.get<Int64> () < INT32_MIN || value.get<Int64> () > INT32_MAX)
        throw std::runtime_error (std::string ("\"") + what + "\" must be a 32-bit integer");
    return Int32 (value.get<Int64> ());
}

double RealValue (const nlohmann::json& value, const char* what)
{
    if (!value.is_number () || !std::isfinite (value.get<double> ()))
        throw std::runtime_error (std::string ("\"") + what + "\" must be numbers");
    return value.get<double> ();
}

std::vector<double> Reals (const nlohmann::json& step, const char* key, USize count)
{
    const nlohmann::json& list = step[key];
    if (!list.is_array () || list.size () != count)
        throw std::runtime_error (std::string ("\"") + key + "\" must be " + std::to_string (count) + " numbers");
    std::vector<double> reals;
    for (const nlohmann::json& value : list)
        reals.push_back (RealValue (value, key));
    return reals;
}

const char* const BodiesShape = "\"bodies\" must be a list of bodies, each a list of face kinds";
const char* const VerticesShape = "\"vertices\" must match \"bodies\": per body, per polygon, a list of [x,y,z]";

const nlohmann::json& ListAt (const nlohmann::json& list, USize index, const char* shape)
{
    if (!list.is_array () || index >= list.size () || !list[index].is_array ())
        throw std::runtime_error (shape);
    return list[index];
}

// "bodies": a list of bodies, each a list of its polygons' face kinds; "vertices", when given,
// the same shape with each polygon's outline in its place.
std::vector<BodyShape> BodiesStep (const nlohmann::json& step)
{
    std::vector<BodyShape> bodies;
    if (!step.contains ("bodies")) {
        if (step.contains ("vertices"))
            throw std::runtime_error (VerticesShape);
        return bodies;
    }
    const nlohmann::json& list = step["bodies"];
    const nlohmann::json* vertices = step.contains ("vertices") ? &step["vertices"] : nullptr;
    if (!list.is_array ())
        throw std::runtime_error (BodiesShape);
    if (vertices != nullptr && (!vertices->is_array () || vertices->size () != list.size ()))
        throw std::runtime_error (VerticesShape);
    for (USize b = 0; b < list.size (); ++b) {
        const nlohmann::json& faceKinds = ListAt (list, b, BodiesShape);
        const nlohmann::json* outlines = vertices == nullptr ? nullptr : &ListAt (*vertices, b, VerticesShape);
        if (outlines != nullptr && outlines->size () != faceKinds.size ())
            throw std::runtime_error (VerticesShape);
        BodyShape& body = bodies.emplace_back ();
        for (USize p = 0; p < faceKinds.size (); ++p) {
            PolygonShape& polygon = body.emplace_back ();
            polygon.faceKind = StepCheck::CodeValue (faceKinds[p]);
            if (outlines == nullptr)
                continue;
            for (const nlohmann::json& point : ListAt (*outlines, p, VerticesShape)) {
                if (!point.is_array () || point.size () != 3)
                    throw std::runtime_error (VerticesShape);
                polygon.vertices.push_back (
                    { RealValue (point[0], "vertices"), RealValue (point[1], "vertices"), RealValue (point[2], "vertices") });
            }
        }
    }
    return bodies;
}

void CheckElement (const nlohmann::json& step)
{
    Int32Value (step.contains ("type") ? step["type"] : nlohmann::json (), "type");
    BodiesStep (step);
    if (step.contains ("guid"))
        GuidValue (step["guid"]);
    if (step.contains ("at"))
        Reals (step, "at", 2);
}

void AddElement (Host& host, const nlohmann::json& step)
{
    const GS::Guid           guid = step.contains ("guid") ? GuidValue (step["guid"]) : host.Guids ().Next ();
    std::optional<PlanPoint> at;
    if (step.contains ("at")) {
        const std::vector<double> point = Reals (step, "at", 2);
        at = PlanPoint { point[0], point[1] };
    }
    const Int32 index = host.Elements ().Add (guid, Int32Value (step["type"], "type"), BodiesStep (step), at);
    host.GetTranscript ().Add ({ { "element", { { "guid", GuidText (guid) }, { "index", index } } } });
}

Int32 WindowStep (const nlohmann::json& step)
{
    const std::string type = StepCheck::String (step, "type");
    if (type == "3d")
        return API_3DWindowType;
    if (type == "plan")
        return API_PlanWindowType;
    throw std::runtime_error ("\"type\" must be \"3d\" or \"plan\"");
}

PointClick ClickStep (const nlohmann::json& click)
{
    if (!click.is_object ())
        throw std::runtime_error ("\"click\" must be an object");
    PointClick outcome;
    for (const auto& [key, value] : click.items ()) {
        if (key == "guid")
            outcome.element = GuidValue (value);
        else if (key == "element")
            outcome.elementIndex = Int32Value (value, "element");
        else if (key == "body")
            outcome.bodyIndex = Int32Value (value, "body");
        else if (key == "polygon")
            outcome.polygonIndex = Int32Value (value, "polygon");
        else if (key == "pickKind")
            outcome.pickKind = Int32Value (value, "pickKind");
        else if (key == "pos") {
            const std::vector<double> pos = Reals (click, "pos", 3);
            outcome.position = API_Coord3D { pos[0], pos[1], pos[2] };
        } else
            throw std::runtime_error ("unknown key \"" + key + "\" in \"click\"");
    }
    return outcome;
}

PointOutcome PickStep (const nlohmann::json& step)
{
    const int given = int (step.contains ("click")) + int (step.contains ("cancel")) + int (step.contains ("error"));
    if (given != 1)
        throw std::runtime_error ("pickNext has one of \"click\", \"cancel\" or \"error\"");
    if (step.contains ("click"))
        return PointOutcome { PointOutcome::Kind::Click, ClickStep (step["click"]), NoError };
    if (step.contains ("cancel")) {
        if (!StepCheck::Boolean (step, "cancel"))
            throw std::runtime_error ("\"cancel\" can only be true");
        return PointOutcome { PointOutcome::Kind::Cancel, {}, APIERR_CANCEL };
    }
    return PointOutcome { PointOutcome::Kind::Error, {}, StepCheck::Code (step, "error") };
}

Line SlotLine (const API_OverrideSlot& slot) { return Line::array ({ slot.overridden, slot.materialIndex }); }

}   // namespace

Line ElementQuery (const API_Element* element)
{
    if (element == nullptr)
        return { { "element", nullptr } };
    Line slots = Line::object ();
    slots["160"] = SlotLine (element->slot160);
    slots["168"] = SlotLine (element->slot168);
    slots["176"] = SlotLine (element->slot176);
    slots["184"] = SlotLine (element->slot184);
    slots["320"] = SlotLine (element->slot320);
    slots["328"] = SlotLine (element->slot328);
    slots["336"] = SlotLine (element->slot336);
    Line shown = Line::object ();
    shown["guid"] = GuidText (element->guid);
    shown["type"] = element->typeID;
    shown["slots"] = slots;
    return { { "element", shown } };
}

void DefinePaintingSteps (StepRegistry& steps)
{
    steps["addElement"] = { { "type", "bodies", "vertices", "guid", "at" }, &CheckElement, &AddElement };
    steps["window"] = {
        { "type" },
        [] (const nlohmann::json& step) { WindowStep (step); },
        [] (Host& host, const nlohmann::json& step) { host.Elements ().SetFrontWindow (WindowStep (step)); },
    };
    steps["pickNext"] = {
        { "click", "cancel", "error" },
        [] (const nlohmann::json& step) { PickStep (step); },
        [] (Host& host, const nlohmann::json& step) { host.Elements ().Input ().Queue (PickStep (step)); },
    };
    steps["eventLoop"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) { host.RunEventLoop (); } };
    steps["undo"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) { host.Elements ().History ().Undo (host.Elements ()); } };
    steps["redo"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) { host.Elements ().History ().Redo (host.Elements ()); } };

    steps["element"] = {
        { "guid" },
        [] (const nlohmann::json& step) { StepCheck::String (step, "guid"); },
        [] (Host& host, const nlohmann::json& step) {
            host.GetTranscript ().Add (ElementQuery (host.Elements ().Find (GS::Guid (StepCheck::String (step, "guid").c_str ()))));
        },
    };
    steps["undoHistory"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) {
                                const UndoHistory& history = host.Elements ().History ();
                                host.GetTranscript ().Add ({ { "undoHistory", history.UndoNames () }, { "redo", history.RedoNames () } });
                            } };
}

}   // namespace SimHost
