#include "ServeSteps.hpp"

namespace SimHost::Serve {

ScenarioStep StepOfBody (const std::string& body)
{
    nlohmann::json parsed;
    try {
        parsed = nlohmann::json::parse (body);
    } catch (const nlohmann::json::exception&) {
        throw ScenarioError (1, "a body is one JSON object");
    }
    if (!parsed.is_object ())
        throw ScenarioError (1, "a body is one JSON object");
    // one step on one line, read as a scenario line is read
    std::vector<ScenarioStep> steps = ParseScenarioText (parsed.dump ());
    return std::move (steps.front ());
}

void RunServeStep (Host& host, const ScenarioStep& step)
{
    if (step.name != "eventLoop")
        RunStep (host, step);
}

void RunServeScenario (Host& host, const std::vector<ScenarioStep>& steps)
{
    for (const ScenarioStep& step : steps)
        RunServeStep (host, step);
}

}   // namespace SimHost::Serve
