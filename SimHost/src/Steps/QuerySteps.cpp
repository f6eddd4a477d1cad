#include "SimHost/Scenario.hpp"

namespace SimHost {

void DefineQuerySteps (StepRegistry& steps)
{
    steps["palette"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) { host.GetTranscript ().Add (host.PaletteQuery ()); } };
    steps["memory"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) { host.GetTranscript ().Add (host.MemoryQuery ()); } };
    steps["calls"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) { host.GetTranscript ().Add (host.CallsQuery ()); } };
}

}   // namespace SimHost
