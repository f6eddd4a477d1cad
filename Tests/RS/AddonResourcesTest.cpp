// The add-on's own resources, compiled from Resources/VirelPalette.rc into a module and read
// back the way the add-on and the host read them.
#include "RS.hpp"
#include "TestFiles.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

using RSTest::Pixels;
using RSTest::Utf8;

class AddonResourcesTest : public ::testing::Test {
protected:
    void SetUp () override { ASSERT_GT (handle, 0) << "the add-on's resources do not open"; }
    void TearDown () override { RSRemoveModuleImageCache (handle); }

    std::string String (Int32 list, Int32 index) const
    {
        GS::UniString text;
        EXPECT_TRUE (RSGetIndString_ParamAdapter (&text, list, index, handle)) << list << "/" << index;
        return Utf8 (text);
    }

    GSResModule handle = RSOpenModuleFile (RS_ADDON_RESOURCES_MODULE);
};

TEST_F (AddonResourcesTest, StringListsHoldTheNameDescriptionAndMenu)
{
    struct Case {
        Int32       list, index;
        const char* text;
    } cases[] = {
        { 32000, 1, "Virel Colour Palette" },
        { 32000, 2,
          "Access all of Virel\xE2\x80\x99s products, streamline your workflow, and bring projects to life "
          "with authentic Virel colours." },
        { 32500, 1, "Virel" },
        { 32500, 2, "Open Colour Palette^ES^EE^EI^ED^EW^E3^EL" },
    };
    for (const Case& c : cases)
        EXPECT_EQ (String (c.list, c.index), c.text) << c.list << "/" << c.index;

    GS::UniString text;
    EXPECT_FALSE (RSGetIndString_ParamAdapter (&text, 32000, 3, handle)) << "two strings only";
    EXPECT_FALSE (RSGetIndString_ParamAdapter (&text, 32500, 3, handle)) << "one menu item only";
}

TEST_F (AddonResourcesTest, PaletteDialogHoldsOneBrowserFillingIt)
{
    RSDialog dialog;
    ASSERT_TRUE (RSGetDialog (handle, 32600, &dialog));
    EXPECT_EQ (dialog.name, "DLG_32500_Browser_Palette");
    EXPECT_EQ (dialog.title, "Virel Colour Palette");
    EXPECT_EQ (dialog.width, 600);
    EXPECT_EQ (dialog.height, 450);
    ASSERT_EQ (dialog.items.size (), 1u);
    EXPECT_EQ (dialog.items[0].number, 1);
    EXPECT_EQ (dialog.items[0].type, "Browser");
    EXPECT_EQ (dialog.items[0].name, "Browser_0");
    EXPECT_EQ (dialog.items[0].x, 0);
    EXPECT_EQ (dialog.items[0].y, 0);
    EXPECT_EQ (dialog.items[0].width, 600);
    EXPECT_EQ (dialog.items[0].height, 450);
}

TEST_F (AddonResourcesTest, ModuleIdentifierIsTheAddonsPair)
{
    UInt32 developer = 0, module = 0;
    ASSERT_TRUE (RSGetModuleIdentifier (handle, 32500, &developer, &module));
    EXPECT_EQ (developer, 0x56495245u);
    EXPECT_EQ (module, 0x4C504C54u);
}

// Mean difference per channel of two images' alpha-weighted colours and alpha, 0 to 255.
double MeanDifference (const Pixels& a, const Pixels& b)
{
    double sum = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            const unsigned char *p = a.At (x, y), *q = b.At (x, y);
            for (int c = 0; c < 3; ++c)
                sum += std::abs (p[c] * p[3] / 255.0 - q[c] * q[3] / 255.0);
            sum += std::abs (p[3] - q[3]);
        }
    }
    return sum / (a.width * a.height * 4.0);
}

// Averages factor × factor blocks, colour weighted by alpha.
Pixels Shrink (const Pixels& source, int factor)
{
    Pixels result { source.width / factor, source.height / factor, {} };
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) {
            double sum[4] = { 0, 0, 0, 0 };
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const unsigned char* p = source.At (x * factor + dx, y * factor + dy);
                    for (int c = 0; c < 3; ++c)
                        sum[c] += p[c] * p[3];
                    sum[3] += p[3];
                }
            }
            for (int c = 0; c < 3; ++c)
                result.rgba.push_back (sum[3] > 0 ? static_cast<unsigned char> (std::lround (sum[c] / sum[3])) : 0);
            result.rgba.push_back (static_cast<unsigned char> (std::lround (sum[3] / (factor * factor))));
        }
    }
    return result;
}

double OpaqueShare (const Pixels& image)
{
    int opaque = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            opaque += image.At (x, y)[3] > 128;
    return static_cast<double> (opaque) / (image.width * image.height);
}

TEST_F (AddonResourcesTest, IconHoldsOneSymbolAtTwoScales)
{
    std::vector<RSImage> images;
    ASSERT_TRUE (RSGetIcons (handle, "icon", 10001, &images));
    ASSERT_EQ (images.size (), 2u);
    struct Expected {
        const char* name;
        int         size;
    } expected[] = { { "I10001&96", 18 }, { "I10001&192", 36 } };
    std::vector<Pixels> pixels;
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE (expected[i].name);
        EXPECT_EQ (images[i].name, expected[i].name);
        EXPECT_EQ (images[i].format, "PNG");
        EXPECT_EQ (images[i].width, expected[i].size);
        EXPECT_EQ (images[i].height, expected[i].size);
        pixels.push_back (RSTest::DecodePngOrFail (images[i].data));
        ASSERT_EQ (pixels.back ().width, expected[i].size);
        ASSERT_EQ (pixels.back ().height, expected[i].size);
        const double share = OpaqueShare (pixels.back ());
        EXPECT_GT (share, 0.3) << "the symbol is drawn";
        EXPECT_LT (share, 0.95) << "the symbol has a transparent surround";
    }
    EXPECT_LT (MeanDifference (Shrink (pixels[1], 2), pixels[0]), 16.0) << "the 36-pixel image is the 18-pixel symbol at twice the scale";
}

TEST_F (AddonResourcesTest, FileIconHasEightSizesPngAboveBitmaps)
{
    std::vector<RSImage> images;
    ASSERT_TRUE (RSGetIcons (handle, "icon group", 1, &images));
    struct Expected {
        int         size;
        const char* format;
    } expected[] = { { 512, "PNG" }, { 256, "PNG" }, { 128, "BMP" }, { 96, "BMP" },
                     { 64, "BMP" },  { 48, "BMP" },  { 32, "BMP" },  { 16, "BMP" } };
    ASSERT_EQ (images.size (), std::size (expected));

    Pixels large;
    for (std::size_t i = 0; i < images.size (); ++i) {
        const RSImage& image = images[i];
        SCOPED_TRACE (expected[i].size);
        EXPECT_EQ (image.name, "");
        EXPECT_EQ (image.format, expected[i].format);
        EXPECT_EQ (image.width, expected[i].size);
        EXPECT_EQ (image.height, expected[i].size);
        Pixels decoded = image.format == "PNG" ? RSTest::DecodePngOrFail (image.data) : RSTest::DecodeBmpOrFail (image.data);
        ASSERT_EQ (decoded.width, expected[i].size);
        ASSERT_EQ (decoded.height, expected[i].size);
        if (i == 0) {
            large = decoded;
            continue;
        }
        // Each smaller image is the 512 one reduced: where the reduction is by a whole factor,
        // pixel by pixel (which also catches rows or channels in the wrong order).
        if (512 % expected[i].size == 0)
            EXPECT_LT (MeanDifference (Shrink (large, 512 / expected[i].size), decoded), image.format == "PNG" ? 8.0 : 1.0);
        else
            EXPECT_NEAR (OpaqueShare (decoded), OpaqueShare (large), 0.05);
    }
}

}   // namespace
