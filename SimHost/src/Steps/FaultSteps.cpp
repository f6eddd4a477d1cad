#include "SimHost/Scenario.hpp"

namespace SimHost {

namespace {
HostOperation Operation (const nlohmann::json& step)
{
    const std::string            name = StepCheck::String (step, "op");
    std::optional<HostOperation> operation = OperationByName (name);
    if (!operation.has_value ())
        throw std::runtime_error ("unknown host operation \"" + name + "\"");
    return *operation;
}
}   // namespace

void DefineFaultSteps (StepRegistry& steps)
{
    steps["fail"] = {
        { "op", "code", "count" },
        [] (const nlohmann::json& step) {
            Operation (step);
            StepCheck::Code (step, "code");
            if (StepCheck::Has (step, "count") && StepCheck::Integer (step, "count") < 0)
                throw std::runtime_error ("\"count\" must not be negative");
        },
        [] (Host& host, const nlohmann::json& step) {
            std::optional<int> count;
            if (step.contains ("count"))
                count = int (step["count"].get<Int64> ());
            host.GetFaults ().Fail (Operation (step), StepCheck::Code (step, "code"), count);
        },
    };
    steps["emptySlot"] = {
        { "op" },
        [] (const nlohmann::json& step) { Operation (step); },
        [] (Host& host, const nlohmann::json& step) { host.GetFaults ().EmptySlot (Operation (step)); },
    };
}

}   // namespace SimHost
