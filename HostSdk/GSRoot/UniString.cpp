#include "UniString.hpp"

#include "MemoryManager.hpp"

#include <algorithm>
#include <cstring>
#include <utility>

namespace GS {

UniString::CStr::CStr (const UniString& source)
    : length (source.length)
{
    text = static_cast<char*> (MemoryManager::Allocate (length + 1));
    if (length > 0)
        std::memcpy (text, source.buffer, length);
    text[length] = '\0';
}

UniString::CStr::~CStr () { MemoryManager::Free (text); }

UniString::UniString () = default;

UniString::UniString (const char* text, GSCharCode) { Assign (text, text == nullptr ? 0 : std::strlen (text)); }

UniString::UniString (const char* text, USize count, GSCharCode) { Assign (text, count); }

UniString::UniString (const UniString& other) { Assign (other.buffer, other.length); }

UniString::UniString (UniString&& other) noexcept
    : buffer (std::exchange (other.buffer, nullptr)),
      length (std::exchange (other.length, 0)),
      capacity (std::exchange (other.capacity, 0))
{}

UniString::~UniString () { MemoryManager::Free (buffer); }

UniString& UniString::operator= (const UniString& other)
{
    if (this != &other)
        Assign (other.buffer, other.length);
    return *this;
}

UniString& UniString::operator= (UniString&& other) noexcept
{
    if (this != &other) {
        MemoryManager::Free (buffer);
        buffer = std::exchange (other.buffer, nullptr);
        length = std::exchange (other.length, 0);
        capacity = std::exchange (other.capacity, 0);
    }
    return *this;
}

void UniString::Assign (const char* text, USize count)
{
    if (count == 0) {
        MemoryManager::Free (buffer);
        buffer = nullptr;
        length = capacity = 0;
        return;
    }
    char* fresh = static_cast<char*> (MemoryManager::Allocate (count + 1));
    std::memcpy (fresh, text, count);
    fresh[count] = '\0';
    MemoryManager::Free (buffer);
    buffer = fresh;
    length = static_cast<UInt32> (count);
    capacity = static_cast<UInt32> (count);
}

UniString& UniString::Append (const UniString& other)
{
    if (other.length == 0)
        return *this;
    const USize total = USize (length) + other.length;
    char*       fresh = static_cast<char*> (MemoryManager::Allocate (total + 1));
    if (length > 0)
        std::memcpy (fresh, buffer, length);
    std::memcpy (fresh + length, other.buffer, other.length);
    fresh[total] = '\0';
    MemoryManager::Free (buffer);
    buffer = fresh;
    length = capacity = static_cast<UInt32> (total);
    return *this;
}

UniString& UniString::Append (const char* text, GSCharCode charCode) { return Append (UniString (text, charCode)); }

UniString::CStr UniString::ToCStr (UInt32 from, UInt32 range, GSCharCode charCode) const
{
    if (from == 0 && range >= length)
        return CStr (*this);
    const UInt32 start = std::min (from, length);
    const UInt32 count = std::min (range, length - start);
    return CStr (UniString (buffer + start, count, charCode));
}

const char* UniString::Bytes () const { return buffer == nullptr ? "" : buffer; }

bool UniString::operator== (const UniString& other) const
{
    return length == other.length && (length == 0 || std::memcmp (buffer, other.buffer, length) == 0);
}

}   // namespace GS
