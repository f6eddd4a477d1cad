#include "SimHost/Scenario.hpp"

namespace SimHost {

void DefinePageSteps (StepRegistry& steps)
{
    steps["call"] = {
        { "fn", "arg", "argKind" },
        [] (const nlohmann::json& step) {
            StepCheck::String (step, "fn");
            StepCheck::String (step, "arg", false);
            if (StepCheck::Has (step, "argKind") && StepCheck::String (step, "argKind") != "object")
                throw std::runtime_error ("\"argKind\" can only be \"object\"");
            if (StepCheck::Has (step, "arg") && StepCheck::Has (step, "argKind"))
                throw std::runtime_error ("a call has either \"arg\" or \"argKind\"");
        },
        [] (Host& host, const nlohmann::json& step) {
            const std::string function = step["fn"].get<std::string> ();
            if (step.contains ("arg"))
                host.Call (function, ArgumentKind::String, step["arg"].get<std::string> ());
            else if (step.contains ("argKind"))
                host.Call (function, ArgumentKind::Object);
            else
                host.Call (function);
        },
    };
}

}   // namespace SimHost
