#include "ImageConversion.hpp"

#include "ResourceFormat.hpp"

#include <algorithm>
#include <cmath>
#include <png.h>

namespace RS {

bool DecodePng (const std::vector<unsigned char>& data, PixelImage* image, std::string* error)
{
    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory (&png, data.data (), data.size ()) == 0) {
        *error = std::string ("not a readable PNG image (") + png.message + ")";
        png_image_free (&png);
        return false;
    }
    if (png.width == 0 || png.height == 0 || png.width > MaxImageSide || png.height > MaxImageSide) {
        *error = "PNG image of " + std::to_string (png.width) + " x " + std::to_string (png.height) + " pixels is larger than " +
                 std::to_string (MaxImageSide) + " pixels a side";
        png_image_free (&png);
        return false;
    }
    png.format = PNG_FORMAT_RGBA;
    PixelImage decoded;
    decoded.width = static_cast<int> (png.width);
    decoded.height = static_cast<int> (png.height);
    decoded.rgba.resize (PNG_IMAGE_SIZE (png));
    if (png_image_finish_read (&png, nullptr, decoded.rgba.data (), 0, nullptr) == 0) {
        *error = std::string ("damaged PNG image (") + png.message + ")";
        png_image_free (&png);
        return false;
    }
    png_image_free (&png);
    *image = std::move (decoded);
    return true;
}

PixelImage ScaleDown (const PixelImage& source, int size)
{
    PixelImage target;
    target.width = size;
    target.height = size;
    target.rgba.resize (static_cast<std::size_t> (size) * size * 4);
    const double scaleX = static_cast<double> (source.width) / size;
    const double scaleY = static_cast<double> (source.height) / size;

    for (int ty = 0; ty < size; ++ty) {
        const double top = ty * scaleY, bottom = (ty + 1) * scaleY;
        for (int tx = 0; tx < size; ++tx) {
            const double left = tx * scaleX, right = (tx + 1) * scaleX;
            double       sum[4] = { 0, 0, 0, 0 };   // alpha-weighted red, green, blue; alpha
            double       area = 0;
            for (int sy = static_cast<int> (top); sy < source.height && sy < bottom; ++sy) {
                const double h = std::min<double> (bottom, sy + 1) - std::max<double> (top, sy);
                for (int sx = static_cast<int> (left); sx < source.width && sx < right; ++sx) {
                    const double w = (std::min<double> (right, sx + 1) - std::max<double> (left, sx)) * h;
                    if (w <= 0)
                        continue;
                    const unsigned char* p = &source.rgba[(static_cast<std::size_t> (sy) * source.width + sx) * 4];
                    const double         a = p[3] * w;
                    sum[0] += p[0] * a;
                    sum[1] += p[1] * a;
                    sum[2] += p[2] * a;
                    sum[3] += a;
                    area += w;
                }
            }
            unsigned char* out = &target.rgba[(static_cast<std::size_t> (ty) * size + tx) * 4];
            for (int c = 0; c < 3; ++c)
                out[c] = sum[3] > 0 ? static_cast<unsigned char> (std::lround (std::clamp (sum[c] / sum[3], 0.0, 255.0))) : 0;
            out[3] = area > 0 ? static_cast<unsigned char> (std::lround (std::clamp (sum[3] / area, 0.0, 255.0))) : 0;
        }
    }
    return target;
}

std::vector<unsigned char> EncodeBmp (const PixelImage& image)
{
    constexpr UInt32 fileHeaderSize = 14;
    constexpr UInt32 infoHeaderSize = 108;   // BITMAPV4HEADER
    const UInt32     pixelBytes = static_cast<UInt32> (image.width) * static_cast<UInt32> (image.height) * 4;
    const UInt32     dataOffset = fileHeaderSize + infoHeaderSize;

    std::vector<unsigned char> bmp (dataOffset + pixelBytes, 0);
    auto                       put16 = [&] (std::size_t at, UInt32 value) {
        bmp[at] = static_cast<unsigned char> (value);
        bmp[at + 1] = static_cast<unsigned char> (value >> 8);
    };
    auto put32 = [&] (std::size_t at, UInt32 value) { WriteUInt32LE (&bmp[at], value); };

    bmp[0] = 'B';
    bmp[1] = 'M';
    put32 (2, static_cast<UInt32> (bmp.size ()));
    put32 (10, dataOffset);
    put32 (14, infoHeaderSize);
    put32 (18, static_cast<UInt32> (image.width));
    put32 (22, static_cast<UInt32> (image.height));   // positive: rows bottom to top
    put16 (26, 1);                                    // planes
    put16 (28, 32);                                   // bits per pixel
    put32 (30, 3);                                    // BI_BITFIELDS
    put32 (34, pixelBytes);
    put32 (38, 2835);   // 72 dpi
    put32 (42, 2835);
    put32 (54, 0x00FF0000);   // red mask
    put32 (58, 0x0000FF00);   // green mask
    put32 (62, 0x000000FF);   // blue mask
    put32 (66, 0xFF000000);   // alpha mask
    put32 (70, 0x73524742);   // colour space 'sRGB'

    std::size_t at = dataOffset;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const unsigned char* p = &image.rgba[(static_cast<std::size_t> (y) * image.width + x) * 4];
            bmp[at++] = p[2];
            bmp[at++] = p[1];
            bmp[at++] = p[0];
            bmp[at++] = p[3];
        }
    }
    return bmp;
}

}   // namespace RS
