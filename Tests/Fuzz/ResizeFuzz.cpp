// resize: the page's wanted palette size. It answers with no value, or with the JSON
// library's error and the palette left as it was.
#include "PageCallFuzzing.hpp"

#include "SimHost/ValidationSession.hpp"

#include "DGPanel.hpp"

namespace {

void CheckNoValueOrJsonError (SimHost::Host& host, const SimHost::Line& outcome)
{
    VirelFuzz::RequireNoValue (outcome, "resize");
    const DG::Palette* palette = host.HeldPalette ();
    SimHost::Require (palette != nullptr && palette->GetWidth () >= 1 && palette->GetHeight () >= 1,
                      "the palette is gone or smaller than 1 x 1 after resize");
    if (outcome.contains ("exception"))
        SimHost::Require (VirelFuzz::IsJsonLibraryError (outcome),
                          "resize raised an undocumented exception: " + outcome["exception"].get<std::string> ());
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    return VirelFuzz::FuzzPageCall ("resize", data, size, &CheckNoValueOrJsonError);
}
