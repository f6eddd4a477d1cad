// paintElement: the page's paint request. It answers with no value, or with the JSON
// library's error before anything changed.
#include "PageCallFuzzing.hpp"

#include "SimHost/ValidationSession.hpp"

namespace {

void CheckNoValueOrJsonError (SimHost::Host& host, const SimHost::Line& outcome)
{
    VirelFuzz::RequireNoValue (outcome, "paintElement");
    if (outcome.contains ("exception")) {
        SimHost::Require (VirelFuzz::IsJsonLibraryError (outcome),
                          "paintElement raised an undocumented exception: " + outcome["exception"].get<std::string> ());
        SimHost::Require (host.Elements ().History ().UndoNames ().empty (), "paintElement failed after it changed the project");
    }
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    return VirelFuzz::FuzzPageCall ("paintElement", data, size, &CheckNoValueOrJsonError);
}
