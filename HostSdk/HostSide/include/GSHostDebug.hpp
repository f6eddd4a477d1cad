// The host's side of the debug output: who hears DBPrintf's lines, and the formatting the host
// uses for an add-on's printf-style calls.
#pragma once

#include "Definitions.hpp"

#include <cstdarg>
#include <string>

namespace GS {
// printf-style formatting of a variadic call's arguments.
GSROOT_API std::string VFormat (const char* format, std::va_list arguments);
using DebugListener = void (*) (const char* text);
// [host] Installs the one listener of the debug output; null: nobody listens.
GSROOT_API void SetDebugListener (DebugListener listener);
}   // namespace GS
