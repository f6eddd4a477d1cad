// Steps as the sandbox runs them: read from a request body, and run as `run` runs them but
// for the event loop, which runs by itself (the step "eventLoop" returns at once).
#pragma once

#include "SimHost/Scenario.hpp"

namespace SimHost::Serve {

constexpr std::size_t MaxStepDepth = 512;

// True when arrays and objects in the JSON text nest more than 'limit' deep (strings skipped).
bool NestedDeeperThan (const std::string& text, std::size_t limit);

// One step object of the contract; ScenarioError for a body that is not one, or a step the
// contract refuses.
ScenarioStep StepOfBody (const std::string& body);
// HostError (nothing ran) for a step that cannot be carried out now; among them those that
// would unload or re-enter the add-on while a point input waits.
void RunServeStep (Host& host, const ScenarioStep& step);
void RunServeScenario (Host& host, const std::vector<ScenarioStep>& steps);

}   // namespace SimHost::Serve
