// The BMP files the resource compiler writes, and the bitmaps of Windows icons made from them.
// Both the compiler and RS build from this one description.
//
//   BMP file   14-byte file header ('BM', file size, 2 × reserved, pixel offset), then a
//              BITMAPV4HEADER (108 bytes: 32 bits per pixel, bit fields with an alpha mask,
//              sRGB), then the pixels as B, G, R, A bytes, rows bottom to top
//   icon bitmap   a BITMAPINFOHEADER (40 bytes, 32 bits, no compression: the form every Windows
//              icon loader takes) with the height doubled, the same pixels, then a 1-bit mask
//              of zeros, its rows padded to 32 bits
#pragma once

#include "ResourceFormat.hpp"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace RS {

inline constexpr UInt32 BmpFileHeaderSize = 14;
inline constexpr UInt32 BmpV4HeaderSize = 108;
inline constexpr UInt32 BmpInfoHeaderSize = 40;
inline constexpr UInt32 BmpPixelOffset = BmpFileHeaderSize + BmpV4HeaderSize;
inline constexpr Int32  BmpMaxSide = 4096;

inline UInt32 ReadUInt16LE (const unsigned char* p) { return static_cast<UInt32> (p[0]) | static_cast<UInt32> (p[1]) << 8; }

inline void WriteUInt16LE (unsigned char* p, UInt32 value)
{
    p[0] = static_cast<unsigned char> (value);
    p[1] = static_cast<unsigned char> (value >> 8);
}

inline USize BmpPixelBytes (Int32 width, Int32 height) { return static_cast<USize> (width) * static_cast<USize> (height) * 4; }

// The info header's first 40 bytes, common to both forms, at 'header'.
inline void WriteBmpInfoHeader (unsigned char* header, UInt32 headerSize, Int32 width, Int32 height, UInt32 compression, UInt32 imageSize)
{
    WriteUInt32LE (header, headerSize);
    WriteUInt32LE (header + 4, static_cast<UInt32> (width));
    WriteUInt32LE (header + 8, static_cast<UInt32> (height));   // positive: rows bottom to top
    WriteUInt16LE (header + 12, 1);                             // planes
    WriteUInt16LE (header + 14, 32);                            // bits per pixel
    WriteUInt32LE (header + 16, compression);
    WriteUInt32LE (header + 20, imageSize);
    WriteUInt32LE (header + 24, 2835);   // 72 dpi
    WriteUInt32LE (header + 28, 2835);
}

// A BMP file of width × height with its pixels zero, to be filled from BmpPixelOffset.
inline std::vector<unsigned char> NewBmpFile (Int32 width, Int32 height)
{
    const USize                pixelBytes = BmpPixelBytes (width, height);
    std::vector<unsigned char> bmp (BmpPixelOffset + pixelBytes, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    WriteUInt32LE (&bmp[2], static_cast<UInt32> (bmp.size ()));
    WriteUInt32LE (&bmp[10], BmpPixelOffset);
    unsigned char* header = &bmp[BmpFileHeaderSize];
    WriteBmpInfoHeader (header, BmpV4HeaderSize, width, height, 3, static_cast<UInt32> (pixelBytes));   // BI_BITFIELDS
    WriteUInt32LE (header + 40, 0x00FF0000);                                                            // red mask
    WriteUInt32LE (header + 44, 0x0000FF00);                                                            // green mask
    WriteUInt32LE (header + 48, 0x000000FF);                                                            // blue mask
    WriteUInt32LE (header + 52, 0xFF000000);                                                            // alpha mask
    WriteUInt32LE (header + 56, 0x73524742);                                                            // colour space 'sRGB'
    return bmp;
}

inline USize IconMaskBytes (Int32 width, Int32 height) { return (static_cast<USize> (width) + 31) / 32 * 4 * static_cast<USize> (height); }

// The icon bitmap of a BMP file that NewBmpFile made.
inline std::vector<unsigned char> IconBitmapFromBmpFile (const std::vector<unsigned char>& bmp, Int32 width, Int32 height)
{
    const USize                pixelBytes = BmpPixelBytes (width, height);
    std::vector<unsigned char> dib (BmpInfoHeaderSize + pixelBytes + IconMaskBytes (width, height), 0);
    WriteBmpInfoHeader (dib.data (), BmpInfoHeaderSize, width, height * 2, 0, 0);   // BI_RGB
    std::copy (bmp.begin () + BmpPixelOffset, bmp.begin () + BmpPixelOffset + static_cast<std::ptrdiff_t> (pixelBytes),
               dib.begin () + BmpInfoHeaderSize);
    return dib;
}

// The BMP file of an icon bitmap; nullopt with 'error' set when the bitmap is not one that
// IconBitmapFromBmpFile makes.
inline std::optional<std::vector<unsigned char>> BmpFileFromIconBitmap (const unsigned char* dib, USize size, std::string* error)
{
    const Int32 width = size < BmpInfoHeaderSize ? 0 : static_cast<Int32> (ReadUInt32LE (dib + 4));
    const Int32 doubledHeight = size < BmpInfoHeaderSize ? 0 : static_cast<Int32> (ReadUInt32LE (dib + 8));
    if (size < BmpInfoHeaderSize || ReadUInt32LE (dib) != BmpInfoHeaderSize || ReadUInt16LE (dib + 14) != 32 ||
        ReadUInt32LE (dib + 16) != 0 || width <= 0 || width > BmpMaxSide || doubledHeight <= 0 || doubledHeight > 2 * BmpMaxSide ||
        doubledHeight % 2 != 0) {
        *error = "an icon bitmap is not an uncompressed 32-bit bitmap of a size RS reads";
        return std::nullopt;
    }
    const Int32 height = doubledHeight / 2;
    const USize pixelBytes = BmpPixelBytes (width, height);
    if (size - BmpInfoHeaderSize != pixelBytes + IconMaskBytes (width, height)) {
        *error = "an icon bitmap's pixels and mask do not fill it";
        return std::nullopt;
    }
    std::vector<unsigned char> bmp = NewBmpFile (width, height);
    std::copy (dib + BmpInfoHeaderSize, dib + BmpInfoHeaderSize + pixelBytes, bmp.begin () + BmpPixelOffset);
    return bmp;
}

}   // namespace RS
