// The libFuzzer program: libFuzzer's driver runs on the host's UI thread, so the add-on
// meets the same stack as in the host. Options are libFuzzer's, plus --addon=PATH.
#include "PageCallFuzzing.hpp"

#include "SimHost/UiThread.hpp"

extern "C" int LLVMFuzzerRunDriver (int* argc, char*** argv, int (*test) (const std::uint8_t* data, std::size_t size));

int main (int argc, char** argv)
{
    VirelFuzz::UseAddOn (VirelFuzz::AddOnFromArguments (argc, argv));
    return SimHost::RunOnUiThread ([&] { return LLVMFuzzerRunDriver (&argc, &argv, &LLVMFuzzerTestOneInput); });
}
