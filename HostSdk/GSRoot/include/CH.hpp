// The host's 8-bit text and memory helpers.
#pragma once

#include "Definitions.hpp"

// Copies a zero-terminated text; the caller's buffer must hold it.
GSROOT_API Int32 CHCopyC (const char* source, char* destination);
// Copies at most bufferSize - 1 bytes and terminates; never splits a UTF-8 character.
GSROOT_API void CHTruncate (const char* source, char* destination, Int32 bufferSize, GSCharCode charCode = CC_Default);
GSROOT_API void BNFillMemory (void* destination, USize bytes, UInt8 value);
GSROOT_API void BNZeroMemory (void* destination, USize bytes);
// Frees a block of the host's heap and clears the pointer.
GSROOT_API void BMKillPtr (GSPtr* block);

// Debug output, formatted like printf. Each call is one debug line for whoever listens
// (the host installs the listener).
GSROOT_API void DBPrintf (const char* format, ...) __attribute__ ((format (printf, 1, 2)));
