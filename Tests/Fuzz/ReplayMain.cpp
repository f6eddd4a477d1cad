// Replays a corpus as an ordinary test: every file of the folders (and every file) named on
// the command line goes to the target once, in name order, on the host's UI thread. A
// finding aborts; no input at all is a failure too.
#include "PageCallFuzzing.hpp"

#include "SimHost/UiThread.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::filesystem::path> Inputs (int argc, char** argv)
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named = argv[i];
        if (named.string ().rfind ("-", 0) == 0)
            continue;
        if (!std::filesystem::is_directory (named)) {
            inputs.push_back (named);
            continue;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator (named))
            if (entry.is_regular_file ())
                files.push_back (entry.path ());
        std::sort (files.begin (), files.end ());
        inputs.insert (inputs.end (), files.begin (), files.end ());
    }
    return inputs;
}

}   // namespace

int main (int argc, char** argv)
{
    VirelFuzz::UseAddOn (VirelFuzz::AddOnFromArguments (argc, argv));
    return SimHost::RunOnUiThread ([&] {
        const std::vector<std::filesystem::path> inputs = Inputs (argc, argv);
        for (const std::filesystem::path& input : inputs) {
            std::ifstream file (input, std::ios::binary);
            if (!file) {
                std::fprintf (stderr, "cannot read %s\n", input.c_str ());
                return 1;
            }
            const std::vector<unsigned char> bytes ((std::istreambuf_iterator<char> (file)), std::istreambuf_iterator<char> ());
            LLVMFuzzerTestOneInput (bytes.data (), bytes.size ());
        }
        VirelFuzz::FinishFuzzing ();
        std::printf ("%zu inputs replayed, nothing found\n", inputs.size ());
        return inputs.empty () ? 1 : 0;
    });
}
