#include "SimHost/Scenario.hpp"

namespace SimHost {

void DefineNotificationSteps (StepRegistry&) {}

}   // namespace SimHost
