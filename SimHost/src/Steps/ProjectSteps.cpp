#include "SimHost/Scenario.hpp"

namespace SimHost {

void DefineProjectSteps (StepRegistry&) {}

}   // namespace SimHost
