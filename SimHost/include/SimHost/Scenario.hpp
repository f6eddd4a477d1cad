// Scenario files: one JSON step a line, run against one host (the format of `virel-host run`).
#pragma once

#include "SimHost/Host.hpp"

#include <functional>
#include <istream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace SimHost {

struct ScenarioStep {
    int            lineNumber = 0;
    std::string    name;
    nlohmann::json step;
};

// A scenario that cannot be run: malformed, or a step that cannot be carried out.
class ScenarioError : public HostError {
public:
    ScenarioError (int lineNumber, const std::string& message);
    int LineNumber () const { return lineNumber; }

private:
    int lineNumber;
};

struct StepDefinition {
    std::set<std::string>                              keys;    // allowed besides "do"
    std::function<void (const nlohmann::json&)>        check;   // throws std::runtime_error for a malformed step
    std::function<void (Host&, const nlohmann::json&)> run;
};

using StepRegistry = std::map<std::string, StepDefinition>;
const StepRegistry& Steps ();

// Reads and checks the whole scenario before anything runs.
std::vector<ScenarioStep> ParseScenario (std::istream& input);
std::vector<ScenarioStep> ParseScenarioText (const std::string& text);
void                      RunStep (Host& host, const ScenarioStep& step);
void                      RunScenario (Host& host, const std::vector<ScenarioStep>& steps);

// Checks used by the step definitions.
namespace StepCheck {
Int64       Integer (const nlohmann::json& step, const char* key, bool required = true);
bool        Boolean (const nlohmann::json& step, const char* key, bool required = true);
std::string String (const nlohmann::json& step, const char* key, bool required = true);
// A code: a hex string ("0x4002", any case and width) or an integer.
Int32 Code (const nlohmann::json& step, const char* key, bool required = true);
Int32 CodeValue (const nlohmann::json& value);
bool  Has (const nlohmann::json& step, const char* key);
}   // namespace StepCheck

// The groups of steps, each defined beside the host part it drives.
void DefineLifecycleSteps (StepRegistry& steps);
void DefineInterfaceSteps (StepRegistry& steps);
void DefinePageSteps (StepRegistry& steps);
void DefineFaultSteps (StepRegistry& steps);
void DefineQuerySteps (StepRegistry& steps);
void DefineProjectSteps (StepRegistry& steps);
void DefinePaintingSteps (StepRegistry& steps);
void DefineNotificationSteps (StepRegistry& steps);

}   // namespace SimHost
