#include "SimHost/Scenario.hpp"

namespace SimHost {

void DefineLifecycleSteps (StepRegistry& steps)
{
    steps["load"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) { host.Load (host.AddOnFile ()); } };
    steps["open"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) { host.Open (host.AddOnFile ()); } };
    steps["table"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) { host.HandTable (); } };
    steps["entry"] = {
        { "name" },
        [] (const nlohmann::json& step) {
            if (!EntryFunctionByName (StepCheck::String (step, "name")).has_value ())
                throw std::runtime_error ("\"name\" must be DescribeModule, RegisterModuleInterface, InitializeModule or ReleaseModule");
        },
        [] (Host& host, const nlohmann::json& step) { host.CallEntry (*EntryFunctionByName (step["name"].get<std::string> ())); },
    };
    steps["unload"] = {
        { "release" },
        [] (const nlohmann::json& step) { StepCheck::Boolean (step, "release", false); },
        [] (Host& host, const nlohmann::json& step) { host.Unload (step.value ("release", true)); },
    };
}

}   // namespace SimHost
