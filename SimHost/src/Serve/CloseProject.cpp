#include "CloseProject.hpp"
#include "ProgramFiles.hpp"

#include "ServeSteps.hpp"

#include <fstream>
#include <memory>

namespace SimHost::Serve {

namespace {

constexpr Int32 ProjectClosedEvent = 0x40;
// A waiting point input is ended first; an add-on that asks for another one at once gets that
// one ended too, this many times.
constexpr int InputsEndedAtMost = 3;

struct Outcome {
    std::size_t first = 0;
    std::string error;
};

std::vector<ScenarioStep> SetupSteps (const std::string& scenario)
{
    if (scenario.empty ())
        return {};
    std::ifstream file (Utf8Path (scenario));
    if (!file)
        throw HostError ("cannot read " + scenario);
    return ParseScenario (file);
}

// [UI thread] Runs once no add-on code is on the stack: a point input waiting in its nested
// loop is cancelled first, and the restart waits for the loop to have ended.
void Restart (Host& host, const std::string& scenario, const std::shared_ptr<Outcome>& outcome, int inputsLeft)
{
    if (host.Elements ().Input ().IsWaiting ()) {
        if (inputsLeft == 0) {
            outcome->error = "the add-on keeps asking for a point";
            return;
        }
        RunServeStep (host, StepOfBody (R"({"do":"pickNext","cancel":true})"));
        host.Post ([&host, scenario, outcome, inputsLeft] { Restart (host, scenario, outcome, inputsLeft - 1); });
        return;
    }
    try {
        const std::vector<ScenarioStep> setup = SetupSteps (scenario);
        host.HostEvent (ProjectClosedEvent);
        host.RunEventLoop ();
        host.NewProject ();
        host.GetTranscript ().Add ({ { "newProject", scenario } });
        RunServeScenario (host, setup);
    } catch (const std::exception& e) {
        outcome->error = e.what ();
    }
}

}   // namespace

void AddCloseProjectRoute (HttpServer& server, const RouteContext& context)
{
    server.Post ("/api/close-project", [context] (const HttpRequest&, HttpReply reply) {
        auto                 outcome = std::make_shared<Outcome> ();
        const std::string    scenario = context.options.setupScenario;
        const TranscriptLog& log = context.log;
        AskHost (
            context,
            [outcome, scenario, &log] (Host& host) {
                outcome->first = log.End ();
                Restart (host, scenario, outcome, InputsEndedAtMost);
            },
            [outcome, &log] (Host&) {
                if (!outcome->error.empty ())
                    return Answer { 400, LinesAnswer (log, outcome->first, ",\"error\":" + Line (outcome->error).dump ()) };
                return Answer { 200, LinesAnswer (log, outcome->first) };
            },
            reply);
    });
}

}   // namespace SimHost::Serve
