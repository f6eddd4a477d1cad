#include "TestFiles.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <png.h>
#include <random>
#include <stdexcept>

namespace RSTest {

ScratchFolder::ScratchFolder ()
{
    std::random_device random;
    path = std::filesystem::temp_directory_path () / ("rs-test-" + std::to_string (random ()) + std::to_string (random ()));
    std::filesystem::create_directories (path);
}

ScratchFolder::~ScratchFolder ()
{
    std::error_code ignored;
    std::filesystem::remove_all (path, ignored);
}

std::vector<unsigned char> ReadBytes (const std::filesystem::path& path)
{
    std::ifstream in (path, std::ios::binary);
    if (!in)
        throw std::runtime_error ("cannot read " + path.string ());
    return { std::istreambuf_iterator<char> (in), std::istreambuf_iterator<char> () };
}

void WriteBytes (const std::filesystem::path& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream out (path, std::ios::binary | std::ios::trunc);
    out.write (reinterpret_cast<const char*> (bytes.data ()), static_cast<std::streamsize> (bytes.size ()));
    if (!out)
        throw std::runtime_error ("cannot write " + path.string ());
}

void WriteText (const std::filesystem::path& path, const std::string& text)
{
    WriteBytes (path, std::vector<unsigned char> (text.begin (), text.end ()));
}

std::string ReadText (const std::filesystem::path& path)
{
    std::vector<unsigned char> bytes = ReadBytes (path);
    return std::string (bytes.begin (), bytes.end ());
}

Pixels Solid (int size, unsigned char r, unsigned char g, unsigned char b, unsigned char a)
{
    Pixels pixels { size, size, {} };
    for (int i = 0; i < size * size; ++i)
        pixels.rgba.insert (pixels.rgba.end (), { r, g, b, a });
    return pixels;
}

std::vector<unsigned char> EncodePng (const Pixels& pixels)
{
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32> (pixels.width);
    image.height = static_cast<png_uint_32> (pixels.height);
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (png_image_write_to_memory (&image, nullptr, &size, 0, pixels.rgba.data (), 0, nullptr) == 0)
        throw std::runtime_error (std::string ("cannot encode PNG: ") + image.message);
    std::vector<unsigned char> png (size);
    if (png_image_write_to_memory (&image, png.data (), &size, 0, pixels.rgba.data (), 0, nullptr) == 0)
        throw std::runtime_error (std::string ("cannot encode PNG: ") + image.message);
    png.resize (size);
    return png;
}

void WritePng (const std::filesystem::path& path, const Pixels& pixels) { WriteBytes (path, EncodePng (pixels)); }

Pixels DecodePngOrFail (const std::vector<unsigned char>& png)
{
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    Pixels pixels;
    if (png_image_begin_read_from_memory (&image, png.data (), png.size ()) == 0) {
        ADD_FAILURE () << "not PNG data: " << image.message;
        return pixels;
    }
    image.format = PNG_FORMAT_RGBA;
    pixels.width = static_cast<int> (image.width);
    pixels.height = static_cast<int> (image.height);
    pixels.rgba.resize (PNG_IMAGE_SIZE (image));
    if (png_image_finish_read (&image, nullptr, pixels.rgba.data (), 0, nullptr) == 0)
        ADD_FAILURE () << "damaged PNG data: " << image.message;
    png_image_free (&image);
    return pixels;
}

namespace {

std::uint32_t Le32 (const std::vector<unsigned char>& d, std::size_t at)
{
    return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | static_cast<std::uint32_t> (d[at + 3]) << 24;
}

}   // namespace

Pixels DecodeBmpOrFail (const std::vector<unsigned char>& bmp)
{
    Pixels pixels;
    if (bmp.size () < 122 || bmp[0] != 'B' || bmp[1] != 'M') {
        ADD_FAILURE () << "not BMP data";
        return pixels;
    }
    EXPECT_EQ (Le32 (bmp, 2), bmp.size ()) << "file size field";
    const std::uint32_t dataOffset = Le32 (bmp, 10);
    const std::uint32_t headerSize = Le32 (bmp, 14);
    const std::int32_t  width = static_cast<std::int32_t> (Le32 (bmp, 18));
    const std::int32_t  height = static_cast<std::int32_t> (Le32 (bmp, 22));
    const unsigned      bits = bmp[28] | bmp[29] << 8;
    EXPECT_GE (headerSize, 108u) << "an info header with an alpha mask";
    EXPECT_EQ (bits, 32u);
    EXPECT_EQ (Le32 (bmp, 30), 3u) << "bit fields";
    EXPECT_EQ (Le32 (bmp, 54), 0x00FF0000u) << "red mask";
    EXPECT_EQ (Le32 (bmp, 58), 0x0000FF00u) << "green mask";
    EXPECT_EQ (Le32 (bmp, 62), 0x000000FFu) << "blue mask";
    EXPECT_EQ (Le32 (bmp, 66), 0xFF000000u) << "alpha mask";
    if (width <= 0 || height == 0 || bits != 32 || dataOffset + static_cast<std::uint64_t> (width) * std::abs (height) * 4 > bmp.size ()) {
        ADD_FAILURE () << "BMP pixel data missing";
        return pixels;
    }
    pixels.width = width;
    pixels.height = std::abs (height);
    pixels.rgba.resize (static_cast<std::size_t> (pixels.width) * pixels.height * 4);
    for (int y = 0; y < pixels.height; ++y) {
        const int fileRow = height > 0 ? pixels.height - 1 - y : y;   // positive height: bottom row first
        for (int x = 0; x < pixels.width; ++x) {
            const unsigned char* p = &bmp[dataOffset + (static_cast<std::size_t> (fileRow) * pixels.width + x) * 4];
            unsigned char*       out = &pixels.rgba[(static_cast<std::size_t> (y) * pixels.width + x) * 4];
            out[0] = p[2];
            out[1] = p[1];
            out[2] = p[0];
            out[3] = p[3];
        }
    }
    return pixels;
}

std::string Utf8 (const GS::UniString& text)
{
    GS::UniString::CStr bytes = text.ToCStr ();
    return std::string (bytes.Get (), bytes.GetLength ());
}

}   // namespace RSTest
