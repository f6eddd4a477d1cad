#include "SimHost/Scenario.hpp"

namespace SimHost {

void DefinePaintingSteps (StepRegistry&) {}

}   // namespace SimHost
