#include "CH.hpp"
#include "GSHostDebug.hpp"

#include "MemoryManager.hpp"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

Int32 CHCopyC (const char* source, char* destination)
{
    const USize length = std::strlen (source);
    std::memcpy (destination, source, length + 1);
    return Int32 (length);
}

void CHTruncate (const char* source, char* destination, Int32 bufferSize, GSCharCode)
{
    if (bufferSize <= 0)
        return;
    USize length = std::strlen (source);
    if (length > USize (bufferSize - 1)) {
        length = USize (bufferSize - 1);
        // step back over continuation bytes so that no character is split
        while (length > 0 && (UInt8 (source[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy (destination, source, length);
    destination[length] = '\0';
}

void BNFillMemory (void* destination, USize bytes, UInt8 value) { std::memset (destination, value, bytes); }

void BNZeroMemory (void* destination, USize bytes) { std::memset (destination, 0, bytes); }

void BMKillPtr (GSPtr* block)
{
    if (block == nullptr)
        return;
    GS::MemoryManager::Free (*block);
    *block = nullptr;
}

namespace {
std::atomic<GS::DebugListener> debugListener { nullptr };
}

void GS::SetDebugListener (DebugListener listener) { debugListener = listener; }

std::string GS::VFormat (const char* format, std::va_list arguments)
{
    std::va_list measuring;
    va_copy (measuring, arguments);
    const int length = std::vsnprintf (nullptr, 0, format, measuring);
    va_end (measuring);
    std::string text (length > 0 ? USize (length) : 0, '\0');
    if (length > 0)
        std::vsnprintf (text.data (), text.size () + 1, format, arguments);
    return text;
}

void DBPrintf (const char* format, ...)
{
    va_list args;
    va_start (args, format);
    const std::string text = GS::VFormat (format, args);
    va_end (args);
    if (GS::DebugListener listener = debugListener.load ())
        listener (text.c_str ());
    else
        std::fputs (text.c_str (), stderr);
}
