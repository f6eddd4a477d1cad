// The compiled resource image: the bytes that the resource compiler writes and that RS reads
// back from a Linux module file's resource section, and the payloads that a Windows module
// holds one per resource. Both sides build from this one description.
//
// All numbers are little-endian. The image is
//
//   header   (24 bytes)
//     0   8 bytes  magic "VIRELRS\0"
//     8   UInt32   format version (1)
//     12  UInt32   entry count
//     16  UInt32   image size in bytes (header, entries and payloads)
//     20  UInt32   CRC-32 of the bytes from offset 24 to the end of the image
//   entries  (16 bytes each)
//     0   UInt32   resource type (one of ResourceType)
//     4   Int32    resource identifier
//     8   UInt32   payload offset from the start of the image
//     12  UInt32   payload size in bytes
//   payloads, each exactly as long as its entry says:
//     string list        UInt32 count, then count × text
//     palette dialog     text name, text title, Int32 width, Int32 height, UInt32 item count,
//                        then per item: Int32 number, text type, text name, Int32 x, y, width, height
//     module identifier  UInt32 developer, UInt32 module
//     icon, icon group   UInt32 image count, then per image: text name, text format ("PNG" or
//                        "BMP"), Int32 width, Int32 height, UInt32 data size, data bytes
//
// where a text is a UInt32 byte count followed by that many UTF-8 bytes, not terminated.
#pragma once

#include "Definitions.hpp"

#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace RS {

// The ELF section of a Linux module file that holds its resource image. A Windows module holds
// its resources one by one instead (WindowsResourceFormat.hpp).
inline constexpr const char* ResourceSectionName = ".virel.rsrc";

inline constexpr std::array<char, 8> ImageMagic = { 'V', 'I', 'R', 'E', 'L', 'R', 'S', '\0' };
inline constexpr UInt32              ImageFormatVersion = 1;
inline constexpr UInt32              ImageHeaderSize = 24;
inline constexpr UInt32              ImageEntrySize = 16;

enum class ResourceType : UInt32 {
    StringList = 0x53545223,         // 'STR#'
    PaletteDialog = 0x444C4750,      // 'DLGP'
    ModuleIdentifier = 0x4D444944,   // 'MDID'
    Icon = 0x49434F4E,               // 'ICON'
    IconGroup = 0x49434750,          // 'ICGP'
};

inline const char* ResourceTypeName (ResourceType type)
{
    switch (type) {
        case ResourceType::StringList: return "string list";
        case ResourceType::PaletteDialog: return "palette dialog";
        case ResourceType::ModuleIdentifier: return "module identifier";
        case ResourceType::Icon: return "icon";
        case ResourceType::IconGroup: return "icon group";
    }
    return "unknown";
}

inline bool IsKnownResourceType (UInt32 value)
{
    switch (static_cast<ResourceType> (value)) {
        case ResourceType::StringList:
        case ResourceType::PaletteDialog:
        case ResourceType::ModuleIdentifier:
        case ResourceType::Icon:
        case ResourceType::IconGroup: return true;
    }
    return false;
}

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
inline bool IsValidUtf8 (std::string_view text)
{
    USize i = 0;
    while (i < text.size ()) {
        unsigned char c = static_cast<unsigned char> (text[i]);
        USize         extra = 0;
        UInt32        codePoint = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            codePoint = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            codePoint = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            codePoint = c & 0x07;
        } else {
            return false;
        }
        if (text.size () - i <= extra)
            return false;
        for (USize k = 1; k <= extra; ++k) {
            unsigned char next = static_cast<unsigned char> (text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        constexpr UInt32 smallest[] = { 0, 0x80, 0x800, 0x10000 };
        if (codePoint < smallest[extra] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// CRC-32 (the common reflected polynomial 0xEDB88320), continued from 'crc'.
inline UInt32 Crc32 (const unsigned char* data, USize size, UInt32 crc = 0)
{
    crc = ~crc;
    for (USize i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline UInt32 ReadUInt32LE (const unsigned char* p)
{
    return static_cast<UInt32> (p[0]) | static_cast<UInt32> (p[1]) << 8 | static_cast<UInt32> (p[2]) << 16 |
           static_cast<UInt32> (p[3]) << 24;
}

// PNG's numbers are big-endian.
inline UInt32 ReadUInt32BE (const unsigned char* p)
{
    return static_cast<UInt32> (p[0]) << 24 | static_cast<UInt32> (p[1]) << 16 | static_cast<UInt32> (p[2]) << 8 |
           static_cast<UInt32> (p[3]);
}

inline void WriteUInt32LE (unsigned char* p, UInt32 value)
{
    p[0] = static_cast<unsigned char> (value);
    p[1] = static_cast<unsigned char> (value >> 8);
    p[2] = static_cast<unsigned char> (value >> 16);
    p[3] = static_cast<unsigned char> (value >> 24);
}

// Appends the pieces of a payload in the image's byte order.
class ImageWriter {
public:
    void UInt32Value (UInt32 value)
    {
        unsigned char bytes[4];
        WriteUInt32LE (bytes, value);
        data.insert (data.end (), bytes, bytes + 4);
    }
    void Int32Value (Int32 value) { UInt32Value (static_cast<UInt32> (value)); }
    void Text (std::string_view text)
    {
        UInt32Value (static_cast<UInt32> (text.size ()));
        data.insert (data.end (), text.begin (), text.end ());
    }
    void Bytes (const std::vector<unsigned char>& bytes)
    {
        UInt32Value (static_cast<UInt32> (bytes.size ()));
        data.insert (data.end (), bytes.begin (), bytes.end ());
    }

    std::vector<unsigned char> data;
};

}   // namespace RS
