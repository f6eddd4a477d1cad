// Elements, the front window, picking, the event loop and the undo history, and the queries
// that show them.
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
    const GS::Guid guid (text.c_str ());
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

// "bodies": a list of bodies, each a list of its polygons' face kinds.
std::vector<std::vector<Int32>> BodiesStep (const nlohmann::json& step)
{
    std::vector<std::vector<Int32>> bodies;
    if (!step.contains ("bodies"))
        return bodies;
    const nlohmann::json& list = step["bodies"];
    if (!list.is_array ())
        throw std::runtime_error ("\"bodies\" must be a list of bodies, each a list of face kinds");
    for (const nlohmann::json& body : list) {
        if (!body.is_array ())
            throw std::runtime_error ("\"bodies\" must be a list of bodies, each a list of face kinds");
        std::vector<Int32>& faceKinds = bodies.emplace_back ();
        for (const nlohmann::json& faceKind : body)
            faceKinds.push_back (StepCheck::CodeValue (faceKind));
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
    const GS::Guid guid = step.contains ("guid") ? GuidValue (step["guid"]) : host.Guids ().Next ();
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

Line ElementQuery (Host& host, const nlohmann::json& step)
{
    const API_Element* element = host.Elements ().Find (GS::Guid (StepCheck::String (step, "guid").c_str ()));
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

}   // namespace

void DefinePaintingSteps (StepRegistry& steps)
{
    steps["addElement"] = { { "type", "bodies", "guid", "at" }, &CheckElement, &AddElement };
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
        [] (Host& host, const nlohmann::json& step) { host.GetTranscript ().Add (ElementQuery (host, step)); },
    };
    steps["undoHistory"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) {
        const UndoHistory& history = host.Elements ().History ();
        host.GetTranscript ().Add ({ { "undoHistory", history.UndoNames () }, { "redo", history.RedoNames () } });
    } };
}

}   // namespace SimHost
