#include "HostFixture.hpp"

#include <algorithm>

namespace VirelTests {

std::string AddOnPath (int api) { return std::string (VIREL_BUILD_DIR) + "/api" + std::to_string (api) + "/VirelPalette.apx"; }

HostTest::HostTest () { RestartHost (); }

void HostTest::TearDown () { FailOnUnexpectedViolations (); }

// The host is a checker: its verdict, unload included, is part of every test.
void HostTest::FailOnUnexpectedViolations ()
{
    if (host == nullptr)
        return;
    if (host->IsOpen ())
        host->Unload (true);
    for (const SimHost::Violation& violation : host->Violations ())
        if (std::find (expectedViolations.begin (), expectedViolations.end (), violation.name) == expectedViolations.end ())
            ADD_FAILURE () << "contract violation " << violation.name << ": " << violation.detail;
}

void HostTest::RestartHost ()
{
    FailOnUnexpectedViolations ();
    host.reset ();
    host = std::make_unique<SimHost::Host> ();
    host->SetAddOnFile (AddOnPath (GetParam ()));
}

std::vector<std::string> HostTest::Run (const std::string& steps)
{
    const std::size_t before = host->GetTranscript ().Lines ().size ();
    SimHost::RunScenario (*host, SimHost::ParseScenarioText (steps));
    const std::vector<std::string> all = host->GetTranscript ().Texts ();
    return std::vector<std::string> (all.begin () + std::ptrdiff_t (before), all.end ());
}

std::vector<nlohmann::json> HostTest::RunLines (const std::string& steps)
{
    std::vector<nlohmann::json> lines;
    for (const std::string& text : Run (steps))
        lines.push_back (nlohmann::json::parse (text));
    return lines;
}

std::vector<std::string> HostTest::Transcript () const { return host->GetTranscript ().Texts (); }

void HostTest::LoadAndOpenPalette ()
{
    Run (R"({"do":"load"}
{"do":"menu","list":32500,"item":1})");
    ASSERT_NE (host->HeldPalette (), nullptr);
}

namespace {
std::string Quoted (const std::string& text) { return nlohmann::json (text).dump (); }
}

std::string PageLine (const std::string& script) { return "{\"page\":" + Quoted (script) + "}"; }
std::string ReturnedLine (const std::string& code) { return "{\"returned\":" + Quoted (code) + "}"; }
std::string ResultLine (const std::string& text) { return "{\"result\":" + Quoted (text) + "}"; }
std::string ExceptionLine (const std::string& message) { return "{\"exception\":" + Quoted (message) + "}"; }

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
