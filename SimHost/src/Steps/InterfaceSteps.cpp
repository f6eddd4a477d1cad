#include "SimHost/Scenario.hpp"

namespace SimHost {

void DefineInterfaceSteps (StepRegistry& steps)
{
    steps["menu"] = {
        { "list", "item" },
        [] (const nlohmann::json& step) {
            StepCheck::Integer (step, "list");
            StepCheck::Integer (step, "item");
        },
        [] (Host& host, const nlohmann::json& step) { host.Menu (Int32 (step["list"].get<Int64> ()), Int32 (step["item"].get<Int64> ())); },
    };
    steps["paletteMessage"] = {
        { "message" },
        [] (const nlohmann::json& step) { StepCheck::Integer (step, "message"); },
        [] (Host& host, const nlohmann::json& step) { host.PaletteMessage (Int32 (step["message"].get<Int64> ())); },
    };
    steps["hostEvent"] = {
        { "code" },
        [] (const nlohmann::json& step) { StepCheck::Code (step, "code"); },
        [] (Host& host, const nlohmann::json& step) { host.HostEvent (StepCheck::Code (step, "code")); },
    };
    steps["closePalette"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) { host.ClosePalette (); } };
    steps["resizePalette"] = {
        { "dx", "dy" },
        [] (const nlohmann::json& step) {
            StepCheck::Integer (step, "dx");
            StepCheck::Integer (step, "dy");
        },
        [] (Host& host, const nlohmann::json& step) {
            host.ResizePalette (Int16 (step["dx"].get<Int64> ()), Int16 (step["dy"].get<Int64> ()));
        },
    };
}

}   // namespace SimHost
