// The add-on's resources as a Windows module holds them: one entry per resource, read through
// the system's resource functions, and its file icon an icon group that Windows itself reads.
#include "HostFixture.hpp"

#include "RS.hpp"

#include <windows.h>

#include <filesystem>

namespace VirelTests {
namespace {

class ResourcesFromLoaderTest : public ::testing::TestWithParam<int> {
protected:
    void TearDown () override { RSRemoveModuleImageCache (handle); }

    std::string Text (Int32 list, Int32 index) const
    {
        GS::UniString text;
        return RSGetIndString_ParamAdapter (&text, list, index, handle) ? std::string (text.Bytes (), text.GetLength ()) : "(none)";
    }

    std::string path = AddOnPath (GetParam ());
    GSResModule handle = RSOpenModuleFile (path.c_str ());
};

TEST_P (ResourcesFromLoaderTest, AreTheSourcesResourcesEachInAnEntryOfItsOwn)
{
    ASSERT_GT (handle, 0) << path;
    EXPECT_EQ (Text (32000, 1), "Virel Colour Palette");
    EXPECT_EQ (Text (32000, 2).find ("Virel\xE2\x80\x99s products"), 14u) << "UTF-8 beyond ASCII kept";
    EXPECT_EQ (Text (32500, 2), "Open Colour Palette^ES^EE^EI^ED^EW^E3^EL");
    EXPECT_EQ (Text (32500, 3), "(none)");

    RSDialog dialog;
    ASSERT_TRUE (RSGetDialog (handle, 32600, &dialog));
    EXPECT_EQ (dialog.name + "|" + dialog.title + "|" + std::to_string (dialog.width) + "x" + std::to_string (dialog.height),
               "DLG_32500_Browser_Palette|Virel Colour Palette|600x450");
    ASSERT_EQ (dialog.items.size (), 1u);
    EXPECT_EQ (dialog.items[0].type + "|" + dialog.items[0].name, "Browser|Browser_0");

    UInt32 developer = 0, module = 0;
    ASSERT_TRUE (RSGetModuleIdentifier (handle, 32500, &developer, &module));
    EXPECT_EQ (developer, 0x56495245u);
    EXPECT_EQ (module, 0x4C504C54u);

    std::vector<RSImage> symbol, fileIcon;
    ASSERT_TRUE (RSGetIcons (handle, "icon", 10001, &symbol));
    ASSERT_TRUE (RSGetIcons (handle, "icon group", 1, &fileIcon));
    std::string described;
    for (const std::vector<RSImage>* images : { &symbol, &fileIcon })
        for (const RSImage& image : *images)
            described += image.name + ":" + image.format + std::to_string (image.width) + "x" + std::to_string (image.height) + " ";
    EXPECT_EQ (described, "I10001&96:PNG18x18 I10001&192:PNG36x36 :PNG512x512 :PNG256x256 :BMP128x128 :BMP96x96 "
                          ":BMP64x64 :BMP48x48 :BMP32x32 :BMP16x16 ");
}

TEST_P (ResourcesFromLoaderTest, FileIconIsAnIconGroupWindowsReadsAtEachSize)
{
    HMODULE module = LoadLibraryExW (std::filesystem::u8path (path).wstring ().c_str (), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE (module, nullptr) << path;
    for (int size : { 16, 32, 48, 256 }) {
        HICON    icon = static_cast<HICON> (LoadImageW (module, MAKEINTRESOURCEW (1), IMAGE_ICON, size, size, 0));
        ICONINFO info {};
        BITMAP   colour {};
        EXPECT_NE (icon, nullptr) << size << ": error " << GetLastError ();
        if (icon == nullptr)
            continue;
        ASSERT_TRUE (GetIconInfo (icon, &info));
        EXPECT_TRUE (GetObjectW (info.hbmColor, sizeof colour, &colour));
        EXPECT_EQ (colour.bmWidth, size);
        DeleteObject (info.hbmColor);
        DeleteObject (info.hbmMask);
        DestroyIcon (icon);
    }
    FreeLibrary (module);
}

INSTANTIATE_TEST_SUITE_P (BothBuilds, ResourcesFromLoaderTest, ::testing::Values (28, 27), BuildName);

}   // namespace
}   // namespace VirelTests
