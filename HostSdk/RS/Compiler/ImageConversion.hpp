// The image work of the resource compiler: reading PNG files, and making the bitmaps of an icon
// group from a larger PNG image.
#pragma once

#include <string>
#include <vector>

namespace RS {

// 8-bit RGBA pixels, rows top to bottom, alpha not premultiplied.
struct PixelImage {
    int                        width = 0;
    int                        height = 0;
    std::vector<unsigned char> rgba;
};

// Images larger than this on either side are refused.
inline constexpr int MaxImageSide = 4096;

// Decodes PNG data. False with 'error' set when the data is not a readable PNG image.
bool DecodePng (const std::vector<unsigned char>& data, PixelImage* image, std::string* error);

// Shrinks a square image to size × size by averaging the area of the source that each target
// pixel covers, weighting colour by alpha so transparent pixels do not darken the edges.
PixelImage ScaleDown (const PixelImage& source, int size);

// A complete BMP file: 32 bits per pixel with an alpha channel (BITMAPV4HEADER, bit fields),
// rows bottom to top.
std::vector<unsigned char> EncodeBmp (const PixelImage& image);

}   // namespace RS
