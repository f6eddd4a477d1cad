#include "ImageConversion.hpp"

#include "BmpFormat.hpp"

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
    std::vector<unsigned char> bmp = NewBmpFile (image.width, image.height);
    std::size_t                at = BmpPixelOffset;
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
