// Fixed-width types and the host's error-code type, shared by the host and its add-ons.
#pragma once

#include <cstddef>
#include <cstdint>

using Int8 = std::int8_t;
using UInt8 = std::uint8_t;
using Int16 = std::int16_t;
using UInt16 = std::uint16_t;
using Int32 = std::int32_t;
using UInt32 = std::uint32_t;
using Int64 = std::int64_t;
using UInt64 = std::uint64_t;
using USize = std::size_t;
using GSErrCode = Int32;
using GSPtr = void*;
using GSHandle = void*;

#if defined(GSROOT_BUILDING)
#define GSROOT_API __attribute__ ((visibility ("default")))
#else
#define GSROOT_API __attribute__ ((visibility ("default")))
#endif

// Text conversions between 8-bit text and GS::UniString take a character code; 0 is the
// default and treats 8-bit text as UTF-8.
enum GSCharCode : Int32 { CC_Default = 0, CC_UTF8 = 0 };
