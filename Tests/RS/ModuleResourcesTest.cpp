// A loaded module opens its own resources by an address inside it, as an add-on does at load,
// and reads back what its resource source describes.
#include "RS.hpp"
#include "TestFiles.hpp"

#include <gtest/gtest.h>

#include <array>
#include <dlfcn.h>
#include <functional>

namespace {

using RSTest::Utf8;

// A module loaded for the length of one test.
class LoadedModule {
public:
    explicit LoadedModule (const char* path)
        : library (::dlopen (path, RTLD_NOW | RTLD_LOCAL))
    {}
    LoadedModule (const LoadedModule&) = delete;
    LoadedModule& operator= (const LoadedModule&) = delete;
    ~LoadedModule ()
    {
        if (library != nullptr)
            ::dlclose (library);
    }

    // The module's load base, as the add-on passes it.
    GSHandle Base () const
    {
        Dl_info info {};
        void*   anchor = library == nullptr ? nullptr : ::dlsym (library, "RSTestModuleAnchor");
        if (anchor == nullptr || ::dladdr (anchor, &info) == 0)
            return nullptr;
        return info.dli_fbase;
    }

    GSHandle Anchor () const { return library == nullptr ? nullptr : ::dlsym (library, "RSTestModuleAnchor"); }

private:
    void* library;
};

// The resources of a module, open for the length of one test.
class OpenResources {
public:
    explicit OpenResources (GSResModule handle)
        : handle (handle)
    {}
    OpenResources (const OpenResources&) = delete;
    OpenResources& operator= (const OpenResources&) = delete;
    ~OpenResources () { RSRemoveModuleImageCache (handle); }

    GSResModule handle;
};

class SampleModuleTest : public ::testing::Test {
protected:
    LoadedModule  module { RS_SAMPLE_MODULE };
    OpenResources resources { RSInitModuleImageCache (module.Base ()) };
};

struct StringCase {
    Int32       list;
    Int32       index;
    const char* text;   // null: no such string
};

const StringCase StringCases[] = {
    { 100, 1, "First" },
    { 100, 2, "Quote \" and backslash \\ and tab\tend" },
    { 100, 3,
      "\xC5\x92uvre \xE2\x80\x93 \xE2\x80\x9C"
      "d\xC3\xA9j\xC3\xA0\xE2\x80\x9D \xE2\x9C\x93 \xF0\x9D\x84\x9E" },
    { 100, 4, "" },
    { 101, 1, "Tabs between words" },
    { 100, 0, nullptr },
    { 100, 5, nullptr },
    { 100, -1, nullptr },
    { 101, 2, nullptr },
    { 102, 1, nullptr },
};

TEST_F (SampleModuleTest, OpensByLoadBaseWithASmallPositiveHandle)
{
    ASSERT_NE (module.Base (), nullptr);
    EXPECT_GT (resources.handle, 0);
    EXPECT_LT (resources.handle, 1000);
}

TEST_F (SampleModuleTest, StringsReadBackByListAndIndex)
{
    for (const StringCase& c : StringCases) {
        SCOPED_TRACE (::testing::Message () << "string list " << c.list << ", index " << c.index);
        GS::UniString text ("untouched");
        bool          found = RSGetIndString_ParamAdapter (&text, c.list, c.index, resources.handle);
        EXPECT_EQ (found, c.text != nullptr);
        EXPECT_EQ (Utf8 (text), c.text != nullptr ? c.text : "untouched");
    }
}

TEST_F (SampleModuleTest, DialogReadsBackWithItsItems)
{
    RSDialog dialog;
    ASSERT_TRUE (RSGetDialog (resources.handle, 200, &dialog));
    EXPECT_EQ (dialog.name, "DLG_Sample");
    EXPECT_EQ (dialog.title, "Sample Dialog");
    EXPECT_EQ (dialog.width, 320);
    EXPECT_EQ (dialog.height, 240);
    ASSERT_EQ (dialog.items.size (), 2u);
    const RSDialogItem& browser = dialog.items[0];
    EXPECT_EQ (browser.number, 1);
    EXPECT_EQ (browser.type, "Browser");
    EXPECT_EQ (browser.name, "Browser_0");
    EXPECT_EQ ((std::array { browser.x, browser.y, browser.width, browser.height }), (std::array { 0, 0, 320, 200 }));
    const RSDialogItem& button = dialog.items[1];
    EXPECT_EQ (button.number, 2);
    EXPECT_EQ (button.type, "Button");
    EXPECT_EQ (button.name, "OK");
    EXPECT_EQ ((std::array { button.x, button.y, button.width, button.height }), (std::array { -4, 204, 80, 24 }));

    RSDialog empty;
    ASSERT_TRUE (RSGetDialog (resources.handle, 201, &empty));
    EXPECT_EQ (empty.name, "DLG_Empty");
    EXPECT_EQ (empty.title, "");
    EXPECT_TRUE (empty.items.empty ());

    RSDialog missing;
    missing.name = "untouched";
    EXPECT_FALSE (RSGetDialog (resources.handle, 202, &missing));
    EXPECT_EQ (missing.name, "untouched");
}

TEST_F (SampleModuleTest, ModuleIdentifiersReadBack)
{
    struct Case {
        Int32  id;
        bool   found;
        UInt32 developer, module;
    } cases[] = { { 300, true, 0x01020304, 0xFFFFFFFF }, { 301, true, 0, 7 }, { 302, false, 55, 66 } };
    for (const Case& c : cases) {
        SCOPED_TRACE (c.id);
        UInt32 developer = 55, moduleId = 66;
        EXPECT_EQ (RSGetModuleIdentifier (resources.handle, c.id, &developer, &moduleId), c.found);
        EXPECT_EQ (developer, c.developer);
        EXPECT_EQ (moduleId, c.module);
    }
}

TEST_F (SampleModuleTest, IconAndIconGroupOfOneIdentifierAreApart)
{
    std::vector<RSImage> icon;
    ASSERT_TRUE (RSGetIcons (resources.handle, "icon", 400, &icon));
    ASSERT_EQ (icon.size (), 3u);
    const std::vector<unsigned char> swatch18 = RSTest::ReadBytes (RS_ICONS_FOLDER "/Swatch18.png");
    EXPECT_EQ (icon[0].name, "I400&96");
    EXPECT_EQ (icon[0].format, "PNG");
    EXPECT_EQ (icon[0].width, 18);
    EXPECT_EQ (icon[0].height, 18);
    EXPECT_EQ (icon[0].data, swatch18) << "a PNG image is stored as its file holds it";
    EXPECT_EQ (icon[1].name, "I400&192");
    EXPECT_EQ (icon[1].width, 36);
    EXPECT_EQ (icon[2].name, "I400&bitmap");
    EXPECT_EQ (icon[2].format, "BMP");
    EXPECT_EQ (icon[2].width, 9);
    RSTest::Pixels bitmap = RSTest::DecodeBmpOrFail (icon[2].data);
    EXPECT_EQ (bitmap.width, 9);
    EXPECT_EQ (bitmap.height, 9);

    std::vector<RSImage> group;
    ASSERT_TRUE (RSGetIcons (resources.handle, "icon group", 400, &group));
    ASSERT_EQ (group.size (), 2u);
    EXPECT_EQ (group[0].name, "");
    EXPECT_EQ (group[0].format, "PNG");
    EXPECT_EQ (group[0].width, 256);
    EXPECT_EQ (group[1].format, "BMP");
    EXPECT_EQ (group[1].width, 32);

    std::vector<RSImage> untouched (1);
    EXPECT_FALSE (RSGetIcons (resources.handle, "icon", 401, &untouched));
    EXPECT_FALSE (RSGetIcons (resources.handle, "bitmap", 400, &untouched));
    EXPECT_FALSE (RSGetIcons (resources.handle, "icon group", 1, &untouched));
    EXPECT_EQ (untouched.size (), 1u);
}

TEST (ResourceModuleTest, EachOpeningHasItsOwnHandleUntilRemoved)
{
    LoadedModule module (RS_SAMPLE_MODULE);
    GSResModule  byAddress = RSInitModuleImageCache (module.Anchor ());
    GSResModule  byPath = RSOpenModuleFile (RS_SAMPLE_MODULE);
    ASSERT_GT (byAddress, 0);
    ASSERT_GT (byPath, 0);
    EXPECT_NE (byAddress, byPath);

    GS::UniString text;
    EXPECT_TRUE (RSGetIndString_ParamAdapter (&text, 100, 1, byPath));
    EXPECT_EQ (Utf8 (text), "First");

    RSRemoveModuleImageCache (byAddress);
    EXPECT_FALSE (RSGetIndString_ParamAdapter (&text, 100, 1, byAddress)) << "a removed handle finds nothing";
    EXPECT_TRUE (RSGetIndString_ParamAdapter (&text, 100, 1, byPath)) << "the other opening stays";

    GSResModule again = RSOpenModuleFile (RS_SAMPLE_MODULE);
    EXPECT_NE (again, byAddress) << "handles are not reused";
    RSRemoveModuleImageCache (byPath);
    RSRemoveModuleImageCache (again);
    RSRemoveModuleImageCache (byPath);   // twice: nothing happens
}

TEST (ResourceModuleTest, ResourcesSurviveSectionGarbageCollection)
{
    LoadedModule  module (RS_SAMPLE_MODULE_GC);
    OpenResources resources (RSInitModuleImageCache (module.Base ()));
    GS::UniString text;
    EXPECT_TRUE (RSGetIndString_ParamAdapter (&text, 101, 1, resources.handle));
    EXPECT_EQ (Utf8 (text), "Tabs between words");
}

TEST (ResourceModuleTest, NoResourcesGiveNoHandle)
{
    LoadedModule bare (RS_BARE_MODULE);
    ASSERT_NE (bare.Base (), nullptr);
    int onStack = 0;
    struct Case {
        const char*                   what;
        std::function<GSResModule ()> open;
        const char*                   message;   // what RS reports, or null for silence
    } cases[] = {
        { "a module without resources", [&] { return RSInitModuleImageCache (bare.Base ()); }, nullptr },
        { "the same by path", [] { return RSOpenModuleFile (RS_BARE_MODULE); }, nullptr },
        { "no address", [] { return RSInitModuleImageCache (nullptr); }, nullptr },
        { "an address in no module", [&] { return RSInitModuleImageCache (&onStack); }, nullptr },
        { "no path", [] { return RSOpenModuleFile (nullptr); }, nullptr },
        { "an empty path", [] { return RSOpenModuleFile (""); }, nullptr },
        { "a file that does not exist", [] { return RSOpenModuleFile ("/nonexistent/module.apx"); },
          "RS: cannot read the resources of /nonexistent/module.apx: cannot open the file: No such file or directory\n" },
        { "a folder", [] { return RSOpenModuleFile ("/tmp"); }, "RS: cannot read the resources of /tmp: not a regular file\n" },
    };
    for (const Case& c : cases) {
        ::testing::internal::CaptureStderr ();
        EXPECT_EQ (c.open (), InvalidResModule) << c.what;
        EXPECT_EQ (::testing::internal::GetCapturedStderr (), c.message != nullptr ? c.message : "") << c.what;
    }
}

TEST (ResourceModuleTest, InvalidHandleAnswersNothing)
{
    GS::UniString        text ("untouched");
    RSDialog             dialog;
    UInt32               developer = 1, moduleId = 2;
    std::vector<RSImage> images;
    for (GSResModule handle : { InvalidResModule, GSResModule (0), GSResModule (987654) }) {
        SCOPED_TRACE (handle);
        EXPECT_FALSE (RSGetIndString_ParamAdapter (&text, 100, 1, handle));
        EXPECT_FALSE (RSGetDialog (handle, 200, &dialog));
        EXPECT_FALSE (RSGetModuleIdentifier (handle, 300, &developer, &moduleId));
        EXPECT_FALSE (RSGetIcons (handle, "icon", 400, &images));
        RSRemoveModuleImageCache (handle);
    }
    EXPECT_EQ (Utf8 (text), "untouched");
    EXPECT_EQ (developer, 1u);
}

TEST (ResourceModuleTest, NullResultPointersAreRefused)
{
    OpenResources resources (RSOpenModuleFile (RS_SAMPLE_MODULE));
    ASSERT_GT (resources.handle, 0);
    UInt32 value = 0;
    EXPECT_FALSE (RSGetIndString_ParamAdapter (nullptr, 100, 1, resources.handle));
    EXPECT_FALSE (RSGetDialog (resources.handle, 200, nullptr));
    EXPECT_FALSE (RSGetModuleIdentifier (resources.handle, 300, nullptr, &value));
    EXPECT_FALSE (RSGetModuleIdentifier (resources.handle, 300, &value, nullptr));
    EXPECT_FALSE (RSGetIcons (resources.handle, "icon", 400, nullptr));
    std::vector<RSImage> images;
    EXPECT_FALSE (RSGetIcons (resources.handle, nullptr, 400, &images));
}

}   // namespace
