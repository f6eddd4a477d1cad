#include "HostFixture.hpp"

#include <algorithm>

namespace VirelTests {

std::string AddOnPath (int api) { return std::string (VIREL_BUILD_DIR) + "/api" + std::to_string (api) + "/VirelPalette.apx"; }

HostSession::HostSession (std::string addOnFile)
    : addOnFile (std::move (addOnFile))
{
    Restart ();
}

// The host is a checker: its verdict, unload included, is part of every test.
void HostSession::FailOnUnexpectedViolations ()
{
    if (host == nullptr)
        return;
    if (host->IsOpen ())
        host->Unload (true);
    for (const SimHost::Violation& violation : host->Violations ())
        if (std::find (expectedViolations.begin (), expectedViolations.end (), violation.name) == expectedViolations.end ())
            ADD_FAILURE () << "contract violation " << violation.name << ": " << violation.detail;
}

std::vector<std::string> HostSession::Restart (const std::string& steps)
{
    FailOnUnexpectedViolations ();
    host.reset ();
    host = std::make_unique<SimHost::Host> ();
    host->SetAddOnFile (addOnFile);
    return steps.empty () ? std::vector<std::string> {} : Run (steps);
}

std::vector<std::string> HostSession::Run (const std::string& steps)
{
    const std::size_t before = host->GetTranscript ().Lines ().size ();
    SimHost::RunScenario (*host, SimHost::ParseScenarioText (steps));
    const std::vector<std::string> all = host->GetTranscript ().Texts ();
    return std::vector<std::string> (all.begin () + std::ptrdiff_t (before), all.end ());
}

std::vector<nlohmann::json> HostSession::RunLines (const std::string& steps)
{
    std::vector<nlohmann::json> lines;
    for (const std::string& text : Run (steps))
        lines.push_back (nlohmann::json::parse (text));
    return lines;
}

std::vector<std::string> HostSession::Transcript () const { return host->GetTranscript ().Texts (); }

void HostSession::LoadAndOpenPalette ()
{
    Run (R"({"do":"load"}
{"do":"menu","list":32500,"item":1})");
    ASSERT_NE (host->HeldPalette (), nullptr);
}

std::vector<std::string> HostSession::Calls () { return host->CallsQuery ()["calls"].get<std::vector<std::string>> (); }

std::map<std::string, int> HostSession::CallCounts ()
{
    std::map<std::string, int> counts;
    for (const std::string& operation : Calls ())
        ++counts[operation];
    return counts;
}

int HostSession::CallCount (const std::string& operation)
{
    const std::map<std::string, int> counts = CallCounts ();
    const auto                       found = counts.find (operation);
    return found == counts.end () ? 0 : found->second;
}

namespace {
std::string Quoted (const std::string& text) { return nlohmann::json (text).dump (); }
}   // namespace

std::string PageLine (const std::string& script) { return "{\"page\":" + Quoted (script) + "}"; }
std::string ReturnedLine (const std::string& code) { return "{\"returned\":" + Quoted (code) + "}"; }
std::string ResultLine (const std::string& text) { return "{\"result\":" + Quoted (text) + "}"; }
std::string ExceptionLine (const std::string& message) { return "{\"exception\":" + Quoted (message) + "}"; }
std::string ReportLine (const std::string& text) { return "{\"report\":" + Quoted (text) + "}"; }

std::string CallStep (const std::string& function, const std::optional<std::string>& argument)
{
    nlohmann::ordered_json step = { { "do", "call" }, { "fn", function } };
    if (argument.has_value ())
        step["arg"] = *argument;
    return step.dump ();
}

std::string PaintCall (const PaintRequest& request)
{
    return CallStep ("paintElement", R"({"elementId":")" + request.elementId + R"(","elementIndex":)" + request.elementIndex +
                                         R"(,"materialId":")" + request.materialId + R"(","bodyIndex":)" + request.bodyIndex +
                                         R"(,"polygonIndex":)" + request.polygonIndex + "}");
}

std::vector<std::string> Only (const std::vector<std::string>& lines, const std::string& key)
{
    std::vector<std::string> kept;
    for (const std::string& line : lines)
        if (line.rfind ("{\"" + key + "\":", 0) == 0)
            kept.push_back (line);
    return kept;
}

std::string BuildName (const ::testing::TestParamInfo<int>& info) { return "Api" + std::to_string (info.param); }

}   // namespace VirelTests
