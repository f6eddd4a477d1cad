// Writing the transcript to standard output as it happens: the one place the host asks which
// system it runs on to do so.
#pragma once

#include <cstddef>

namespace SimHost {

// Writes all of 'text' at once, unbuffered and byte for byte (no line-end translation on
// Windows), so that what is written is out even if the process crashes next. Safe in a
// crash handler.
void WriteOutput (const char* text, std::size_t length);

}   // namespace SimHost
