// The compiler's image work: reading PNG data, reducing an image, writing BMP files.
#include "ImageConversion.hpp"
#include "TestFiles.hpp"

#include <gtest/gtest.h>

#include <array>

namespace {

using RSTest::Pixels;

RS::PixelImage ToPixelImage (const Pixels& pixels) { return { pixels.width, pixels.height, pixels.rgba }; }

std::array<int, 4> PixelAt (const RS::PixelImage& image, int x, int y)
{
    const unsigned char* p = &image.rgba[(static_cast<std::size_t> (y) * image.width + x) * 4];
    return { p[0], p[1], p[2], p[3] };
}

// A 4 × 4 image with a different opaque colour in each 2 × 2 quarter.
Pixels Quarters ()
{
    Pixels image { 4, 4, {} };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            image.rgba.insert (image.rgba.end (),
                               { static_cast<unsigned char> (x < 2 ? 200 : 10), static_cast<unsigned char> (y < 2 ? 100 : 20), 50, 255 });
    return image;
}

TEST (ImageConversionTest, ReductionAveragesTheAreaEachPixelCovers)
{
    RS::PixelImage half = RS::ScaleDown (ToPixelImage (Quarters ()), 2);
    ASSERT_EQ (half.width, 2);
    ASSERT_EQ (half.height, 2);
    EXPECT_EQ (PixelAt (half, 0, 0), (std::array { 200, 100, 50, 255 }));
    EXPECT_EQ (PixelAt (half, 1, 0), (std::array { 10, 100, 50, 255 }));
    EXPECT_EQ (PixelAt (half, 0, 1), (std::array { 200, 20, 50, 255 }));
    EXPECT_EQ (PixelAt (half, 1, 1), (std::array { 10, 20, 50, 255 }));

    RS::PixelImage one = RS::ScaleDown (ToPixelImage (Quarters ()), 1);
    EXPECT_EQ (PixelAt (one, 0, 0), (std::array { 105, 60, 50, 255 }));
}

TEST (ImageConversionTest, ReductionByAFractionSharesBoundaryPixels)
{
    // 3 × 3 to 2 × 2: each target pixel covers 1.5 × 1.5 source pixels, so the middle column
    // of the source counts half for each side.
    Pixels source { 3, 3, {} };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            source.rgba.insert (source.rgba.end (), { static_cast<unsigned char> (x == 0 ? 240 : x == 1 ? 120 : 0), 0, 0, 255 });
    RS::PixelImage target = RS::ScaleDown (ToPixelImage (source), 2);
    // left: (240 × 1 + 120 × 0.5) / 1.5 = 200; right: (120 × 0.5 + 0 × 1) / 1.5 = 40
    EXPECT_EQ (PixelAt (target, 0, 0), (std::array { 200, 0, 0, 255 }));
    EXPECT_EQ (PixelAt (target, 1, 1), (std::array { 40, 0, 0, 255 }));
}

TEST (ImageConversionTest, TransparentPixelsDoNotDarkenColour)
{
    Pixels source = RSTest::Solid (2, 0, 0, 0, 0);
    source.rgba[0] = 255;   // top left: opaque red; the rest transparent black
    source.rgba[3] = 255;
    RS::PixelImage target = RS::ScaleDown (ToPixelImage (source), 1);
    EXPECT_EQ (PixelAt (target, 0, 0), (std::array { 255, 0, 0, 64 }));

    RS::PixelImage clear = RS::ScaleDown (ToPixelImage (RSTest::Solid (4, 9, 9, 9, 0)), 2);
    EXPECT_EQ (PixelAt (clear, 1, 1), (std::array { 0, 0, 0, 0 }));
}

TEST (ImageConversionTest, BitmapIsBottomRowFirstInBlueGreenRedAlphaOrder)
{
    RS::PixelImage             image { 2, 2, { 1, 2, 3, 4, 5, 6, 7, 8, /* bottom row */ 9, 10, 11, 12, 13, 14, 15, 16 } };
    std::vector<unsigned char> bmp = RS::EncodeBmp (image);
    ASSERT_EQ (bmp.size (), 14u + 108u + 16u);
    const std::vector<unsigned char> pixels (bmp.begin () + 122, bmp.end ());
    EXPECT_EQ (pixels, (std::vector<unsigned char> { 11, 10, 9, 12, 15, 14, 13, 16, 3, 2, 1, 4, 7, 6, 5, 8 }));

    Pixels decoded = RSTest::DecodeBmpOrFail (bmp);
    EXPECT_EQ (decoded.rgba, image.rgba);
}

TEST (ImageConversionTest, PngDecodesToItsPixels)
{
    RS::PixelImage image;
    std::string    error;
    ASSERT_TRUE (RS::DecodePng (RSTest::EncodePng (Quarters ()), &image, &error)) << error;
    EXPECT_EQ (image.width, 4);
    EXPECT_EQ (image.height, 4);
    EXPECT_EQ (image.rgba, Quarters ().rgba);
}

TEST (ImageConversionTest, DataThatIsNoPngIsRefusedWithAReason)
{
    std::vector<unsigned char> png = RSTest::EncodePng (Quarters ());
    struct Case {
        const char*                what;
        std::vector<unsigned char> data;
        const char*                message;
    } cases[] = {
        { "nothing", {}, "not a readable PNG image" },
        { "text", { 'h', 'e', 'l', 'l', 'o' }, "not a readable PNG image" },
        { "the signature only", { png.begin (), png.begin () + 8 }, "not a readable PNG image" },
        { "the header only", { png.begin (), png.begin () + 33 }, "PNG image" },
        { "cut short", { png.begin (), png.end () - 20 }, "PNG image" },
    };
    for (const Case& c : cases) {
        RS::PixelImage image { 7, 7, {} };
        std::string    error;
        EXPECT_FALSE (RS::DecodePng (c.data, &image, &error)) << c.what;
        EXPECT_NE (error.find (c.message), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ (image.width, 7) << c.what << ": the image is left alone";
    }
}

}   // namespace
