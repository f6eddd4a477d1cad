#include "ServeSteps.hpp"

#include "SimHost/HostError.hpp"

#include <array>

namespace SimHost::Serve {

namespace {

// Steps that would unload the add-on or hand it its table again: refused while its code is on
// the UI thread's stack, where a waiting point input's nested loop runs them.
constexpr std::array<const char*, 4> StepsPullingCode { "unload", "open", "table", "entry" };

}   // namespace

bool NestedDeeperThan (const std::string& text, std::size_t limit)
{
    std::size_t depth = 0;
    bool        inString = false;
    bool        escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit)
                return true;
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return false;
}

ScenarioStep StepOfBody (const std::string& body)
{
    // the parsed step is printed and read again by recursive code: its depth is checked first,
    // without recursion
    if (NestedDeeperThan (body, MaxStepDepth))
        throw ScenarioError (1, "a step is nested at most " + std::to_string (MaxStepDepth) + " levels deep");
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
    if (step.name == "eventLoop")
        return;
    if (host.Elements ().Input ().IsWaiting ())
        for (const char* name : StepsPullingCode)
            if (step.name == name)
                throw HostError ("\"" + step.name + "\" cannot run while a point input waits: the add-on's code is still running");
    RunStep (host, step);
}

void RunServeScenario (Host& host, const std::vector<ScenarioStep>& steps)
{
    for (const ScenarioStep& step : steps)
        RunServeStep (host, step);
}

}   // namespace SimHost::Serve
