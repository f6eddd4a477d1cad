// What every fuzz target of the page's JSON arguments shares: one simulated host that loads
// the built add-on, opens its palette in a small project, and hands each input to one
// script function as the page would, as the argument text. After each call the host checks
// what it saw and puts the project back as it was, so every input meets the same project.
// A finding aborts the process with a message, which is how libFuzzer and the corpus
// replay both report it.
#pragma once

#include "SimHost/Host.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

namespace VirelFuzz {

// The one line of a call's outcome: {"result":...} or {"exception":"..."}.
using OutcomeCheck = void (*) (SimHost::Host& host, const SimHost::Line& outcome);

// The add-on file named by an argument --addon=PATH, else the default build's API 28 file.
// libFuzzer ignores arguments that start with "--" and passes them on to the processes it forks.
std::string AddOnFromArguments (int argc, char** argv);
// Which add-on the host loads; before the first input.
void UseAddOn (const std::string& addOnFile);

// Calls archicad.<function> with the input as its argument text and checks the outcome: the
// host's own checks, no violation, the host's memory blocks back where they were, and 'check'.
int FuzzPageCall (const char* function, const std::uint8_t* data, std::size_t size, OutcomeCheck check);

// Unloads the add-on and checks that the host's memory is back where it was before the load.
void FinishFuzzing ();

// Checks the per-function outcome checks share.
void RequireNoValue (const SimHost::Line& outcome, const char* function);
bool IsJsonLibraryError (const SimHost::Line& outcome);

}   // namespace VirelFuzz

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size);
