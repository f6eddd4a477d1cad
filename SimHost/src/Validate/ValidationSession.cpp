#include "SimHost/ValidationSession.hpp"

#include "SimHost/Scenario.hpp"

#include "MemoryManager.hpp"

namespace SimHost {

namespace {

constexpr const char* Wall = SmallProjectWall;

// Texts a C++ runtime or container writes for a fault in the add-on, never for bad input.
const char* const InternalMessages[] = { "std::", "basic_string", "vector::", "bad_alloc", "map::at", "stoi", "stol", "bad_function_call" };

std::string ImportArgument ()
{
    return R"([{"name":"Chalk","color":{"red":244,"green":242,"blue":234},"path":"Surfaces/Virel/Whites",)"
           R"("product":{"ambient":50,"diffuse":80,"shine":10,"specular":20}},)"
           R"({"name":"Slate","color":{"red":40,"green":50,"blue":60},"path":"Surfaces/Virel/Greys",)"
           R"("product":{"ambient":10,"diffuse":20,"shine":30,"specular":40}}])";
}

}   // namespace

void Require (bool condition, const std::string& failure)
{
    if (!condition)
        throw CheckFailed (failure);
}

std::string Quoted (const std::string& text) { return nlohmann::json (text).dump (); }

std::string CallStep (const std::string& function, const std::string& argument)
{
    return R"({"do":"call","fn":")" + function + R"(","arg":)" + Quoted (argument) + "}";
}

ValidationSession::ValidationSession (const ValidationContext& context)
    : host (std::make_unique<Host> (Host::Options { context.seed }))
{
    host->SetAddOnFile (context.addOn);
}

ValidationSession::~ValidationSession () = default;

std::vector<Line> ValidationSession::Run (const std::string& steps)
{
    const std::size_t before = host->GetTranscript ().Lines ().size ();
    RunScenario (*host, ParseScenarioText (steps));
    ReportCheckProgress ();
    const std::vector<Line>& all = host->GetTranscript ().Lines ();
    return std::vector<Line> (all.begin () + std::ptrdiff_t (before), all.end ());
}

std::vector<std::pair<std::string, std::vector<std::string>>> ValidationSession::Materials ()
{
    std::vector<std::pair<std::string, std::vector<std::string>>> materials;
    const std::vector<Line>                                       lines = Run (R"({"do":"materials"})");
    for (const Line& material : lines.at (0)["materials"])
        materials.emplace_back (material["guid"].get<std::string> (), material["path"].get<std::vector<std::string>> ());
    return materials;
}

void ValidationSession::RequireNoViolation ()
{
    if (!host->Violations ().empty ())
        throw CheckFailed ("violation " + host->Violations ().front ().name + ": " + host->Violations ().front ().detail);
}

void ValidationSession::RequireBlocksBackAt (USize blocks, const std::string& when)
{
    if (host->IsOpen ())
        host->Unload (true);
    RequireNoViolation ();
    const USize now = GS::MemoryManager::AllocatedBlocks ();
    Require (now == blocks, when + ": " + std::to_string (now) + " blocks allocated, " + std::to_string (blocks) + " before");
}

std::vector<Line> LinesWith (const std::vector<Line>& lines, const std::string& key)
{
    std::vector<Line> kept;
    for (const Line& line : lines)
        if (line.contains (key))
            kept.push_back (line);
    return kept;
}

std::string SmallProjectMaterialStep ()
{
    return std::string (R"({"do":"addMaterial","path":["Surfaces","Virel"],"name":"Chalk","rgb":[1,1,1],"guid":")") + SmallProjectMaterial +
           R"("})";
}

void OpenPaletteInSmallProject (ValidationSession& session)
{
    session.Run (R"({"do":"load"})");
    session.Run (SmallProjectMaterialStep ());
    session.Run (std::string (R"({"do":"addElement","type":1,"bodies":[["0x4002"]],"guid":")") + SmallProjectWall + R"(","at":[2,3]})");
    session.Run (R"({"do":"window","type":"3d"}
{"do":"menu","list":32500,"item":1})");
}

void RequireDocumentedOutcome (const std::vector<Line>& lines, const std::string& function)
{
    for (const Line& line : LinesWith (lines, "exception")) {
        const std::string message = line["exception"].get<std::string> ();
        Require (!message.empty (), function + ": an exception without a message");
        // the JSON library's messages quote the text they read, which may hold anything
        if (message.rfind ("[json.exception.", 0) == 0)
            continue;
        for (const char* internal : InternalMessages)
            Require (message.find (internal) == std::string::npos, function + ": an internal exception reached the page: " + message);
    }
    Require (!LinesWith (lines, "result").empty () || !LinesWith (lines, "exception").empty (),
             function + ": the call ended without a result");
}

void RunFullSession (ValidationSession& session, bool addElement, bool tolerant)
{
    Host& host = session.GetHost ();
    auto  step = [&] (const std::string& text) {
        if (tolerant && text.find (R"("do":"call")") != std::string::npos && host.HeldBrowser () == nullptr)
            return;
        session.Run (text);
    };
    step (R"({"do":"load"})");
    if (addElement)
        step (std::string (R"({"do":"addElement","type":1,"bodies":[["0x4002","0x4000"]],"guid":")") + Wall + R"(","at":[2,3]})");
    step (R"({"do":"window","type":"3d"})");
    step (R"({"do":"menu","list":32500,"item":1})");
    step (R"({"do":"paletteMessage","message":7})");
    step (R"({"do":"call","fn":"getMaterials"})");
    step (CallStep ("createMaterials", ImportArgument ()));
    std::vector<std::string> imported;
    for (const auto& [guid, path] : session.Materials ())
        if (path.size () >= 2 && path[0] == "Surfaces" && path[1] == "Virel")
            imported.push_back (guid);
    const std::string painted = imported.empty () ? "00000000-0000-0000-0000-000000000000" : imported.front ();
    if (imported.size () > 1)
        step (CallStep ("deleteMaterial", imported.back ()));
    step (R"({"do":"notify","which":2,"guids":[")" + painted + R"("]})");
    step (R"({"do":"call","fn":"beginPaint"})");
    step (std::string (R"({"do":"pickNext","click":{"guid":")") + Wall +
          R"(","element":0,"body":0,"polygon":0,"pickKind":1,"pos":[2,3,0]}})");
    step (R"({"do":"eventLoop"})");
    step (CallStep ("paintElement", std::string (R"({"elementId":")") + Wall + R"(","elementIndex":1,"materialId":")" + painted +
                                        R"(","bodyIndex":1,"polygonIndex":1})"));
    step (R"({"do":"undo"})");
    step (R"({"do":"redo"})");
    step (R"({"do":"call","fn":"resize","arg":"{\"width\":400,\"height\":500}"})");
    step (R"({"do":"call","fn":"endPaint"})");
    step (R"({"do":"closePalette"})");
    step (R"({"do":"menu","list":32500,"item":1})");
    step (R"({"do":"hostEvent","code":64})");
}

}   // namespace SimHost
