// Reading resource sources: what a well-formed source compiles to, and the message a faulty
// one gets, naming its file and line.
#include "ResourceFormat.hpp"
#include "ResourceImage.hpp"
#include "ResourceImageWriter.hpp"
#include "ResourceSource.hpp"
#include "TestFiles.hpp"

#include <gtest/gtest.h>

namespace {

class ResourceSourceTest : public ::testing::Test {
protected:
    void SetUp () override
    {
        RSTest::WritePng (folder / "square18.png", RSTest::Solid (18, 10, 20, 30));
        RSTest::WritePng (folder / "square64.png", RSTest::Solid (64, 200, 100, 0, 128));
        RSTest::WritePng (folder / "wide.png", { 20, 10, std::vector<unsigned char> (20 * 10 * 4, 255) });
        RSTest::WriteText (folder / "broken.png", "not an image at all");
    }

    RS::CompiledSource Compile (const std::string& text) const { return RS::CompileResourceText (text, SourcePath ()); }

    std::filesystem::path SourcePath () const { return folder / "Test.rc"; }

    RSTest::ScratchFolder folder;
};

TEST_F (ResourceSourceTest, WellFormedSourceCompilesToItsResources)
{
    RS::CompiledSource compiled = Compile ("\xEF\xBB\xBF# leading byte order mark and comment\r\n"
                                           "strings 7\r\n"
                                           "    1 \"a # not a comment\"   # a comment\r\n"
                                           "    2 \"line\\nbreak \\\"quoted\\\" \\\\ \\t\"\r\n"
                                           "    3 \"caf\xC3\xA9\"\r\n"
                                           "end\r\n"
                                           "\n"
                                           "dialog 0x10 \"D\" \"T\" 10 20\n"
                                           "    item 1 Browser \"B\" -1 -2 3 4\n"
                                           "end\n"
                                           "moduleid 2147483647 0xFFFFFFFF 4294967295\n"
                                           "icon 5\n"
                                           "    png \"small\" 18 \"square18.png\"\n"
                                           "    bmp \"reduced\" 16 \"square64.png\"\n"
                                           "end\n"
                                           "icongroup 5\n"
                                           "    png 64 \"square64.png\"\n"
                                           "    bmp 8 \"square18.png\"\n"
                                           "end");

    const RS::ResourceImage& r = compiled.resources;
    ASSERT_EQ (r.stringLists.count (7), 1u);
    EXPECT_EQ (r.stringLists.at (7), (std::vector<std::string> { "a # not a comment", "line\nbreak \"quoted\" \\ \t", "caf\xC3\xA9" }));
    ASSERT_EQ (r.dialogs.count (16), 1u);
    EXPECT_EQ (r.dialogs.at (16).title, "T");
    EXPECT_EQ (r.dialogs.at (16).height, 20);
    EXPECT_EQ (r.dialogs.at (16).items.at (0).x, -1);
    EXPECT_EQ (r.dialogs.at (16).items.at (0).y, -2);
    EXPECT_EQ (r.moduleIdentifiers.at (2147483647), (std::pair<UInt32, UInt32> { 0xFFFFFFFF, 0xFFFFFFFF }));
    ASSERT_EQ (r.icons.at (5).size (), 2u);
    EXPECT_EQ (r.icons.at (5)[0].data, RSTest::ReadBytes (folder / "square18.png"));
    EXPECT_EQ (r.icons.at (5)[1].format, "BMP");
    EXPECT_EQ (r.icons.at (5)[1].width, 16);
    RSTest::Pixels reduced = RSTest::DecodeBmpOrFail (r.icons.at (5)[1].data);
    EXPECT_EQ ((std::vector<unsigned char> (reduced.At (3, 3), reduced.At (3, 3) + 4)), (std::vector<unsigned char> { 200, 100, 0, 128 }));
    ASSERT_EQ (r.iconGroups.at (5).size (), 2u);
    EXPECT_EQ (r.iconGroups.at (5)[0].name, "");
    EXPECT_EQ (r.iconGroups.at (5)[1].width, 8);

    EXPECT_EQ (compiled.inputs, (std::vector<std::filesystem::path> { SourcePath (), folder / "square18.png", folder / "square64.png" }))
        << "each input once, for the build to follow";
}

TEST_F (ResourceSourceTest, WrittenImageReadsBackAsCompiled)
{
    RS::CompiledSource               compiled = Compile ("strings 1\n 1 \"x\"\n 2 \"\"\nend\n"
                                                                       "dialog 2 \"N\" \"T\" 5 6\n item 1 Button \"OK\" 1 2 3 4\n item 2 Browser \"B\" 0 0 5 6\nend\n"
                                                                       "moduleid 3 1 2\n"
                                                                       "icon 4\n png \"p\" 18 \"square18.png\"\nend\n"
                                                                       "icongroup 4\n bmp 32 \"square64.png\"\nend\n");
    std::vector<unsigned char>       image = RS::WriteResourceImage (compiled.resources);
    std::string                      error;
    std::optional<RS::ResourceImage> back = RS::ParseResourceImage (image.data (), image.size (), &error);
    ASSERT_TRUE (back) << error;
    EXPECT_EQ (back->stringLists, compiled.resources.stringLists);
    EXPECT_EQ (back->moduleIdentifiers, compiled.resources.moduleIdentifiers);
    ASSERT_EQ (back->dialogs.at (2).items.size (), 2u);
    EXPECT_EQ (back->dialogs.at (2).items[0].name, "OK");
    EXPECT_EQ (back->dialogs.at (2).items[1].type, "Browser");
    EXPECT_EQ (back->icons.at (4).at (0).data, compiled.resources.icons.at (4).at (0).data);
    EXPECT_EQ (back->iconGroups.at (4).at (0).data, compiled.resources.iconGroups.at (4).at (0).data);
    EXPECT_EQ (RS::WriteResourceImage (*back), image) << "the same resources give the same bytes";
}

using namespace std::string_literals;

struct FaultCase {
    const char* what;
    std::string source;
    int         line;
    const char* message;
};

const FaultCase FaultCases[] = {
    { "unknown statement", "strings 1\n 1 \"a\"\nend\nstring 2\n", 4, "unknown statement 'string'" },
    { "quoted statement", "\"strings\" 1\n", 1, "starts with a word" },
    { "item outside a dialog", "item 1 Browser \"B\" 0 0 1 1\n", 1, "'item' belongs inside a block" },
    { "string outside a list", "1 \"a\"\n", 1, "'1' belongs inside a block" },
    { "end without block", "end\n", 1, "'end' without a block" },
    { "end with argument", "strings 1\n 1 \"a\"\nend now\n", 3, "'end' takes 0 arguments" },
    { "block not closed", "# c\nstrings 1\n 1 \"a\"\n", 2, "'strings 1' is not closed with 'end'" },
    { "nested block", "strings 1\nstrings 2\nend\n", 2, "expected a string" },
    { "missing identifier", "strings\n", 1, "'strings' takes 1 argument, 0 given (expected: strings <id>)" },
    { "identifier not a number", "strings one\n", 1, "the identifier 'one' is not a number" },
    { "identifier quoted", "strings \"1\"\n", 1, "must be a number, not a quoted text" },
    { "negative identifier", "strings -1\n", 1, "the identifier -1 is out of range (0 to 2147483647)" },
    { "identifier too large", "strings 2147483648\n", 1, "out of range" },
    { "identifier far too large", "strings 99999999999999999999999\n", 1, "out of range" },
    { "bad hexadecimal", "moduleid 1 0xZZ 2\n", 1, "the developer identifier '0xZZ' is not a number" },
    { "module value too large", "moduleid 1 1 0x100000000\n", 1, "the module identifier 0x100000000 is out of range" },
    { "module identifier missing a value", "moduleid 1 2\n", 1, "'moduleid' takes 3 arguments, 2 given" },
    { "defined twice", "moduleid 9 1 2\n\nmoduleid 9 3 4\n", 3, "module identifier 9 is already defined on line 1" },
    { "list defined twice", "strings 4\n 1 \"a\"\nend\nstrings 4\n", 4, "string list 4 is already defined on line 1" },
    { "empty string list", "strings 4\nend\n", 2, "'strings 4' holds no strings" },
    { "string index skipped", "strings 4\n 1 \"a\"\n 3 \"c\"\nend\n", 3, "string 2 expected, found 3" },
    { "string index repeated", "strings 4\n 1 \"a\"\n 1 \"c\"\nend\n", 3, "string 2 expected, found 1" },
    { "string index zero", "strings 4\n 0 \"a\"\nend\n", 2, "the string index 0 is out of range" },
    { "string not quoted", "strings 4\n 1 a\nend\n", 2, "the string must be a quoted text" },
    { "string missing", "strings 4\n 1\nend\n", 2, "expected one quoted text after the index" },
    { "two strings on a line", "strings 4\n 1 \"a\" \"b\"\nend\n", 2, "expected one quoted text after the index" },
    { "unterminated text", "strings 4\n 1 \"abc\nend\n", 2, "the quoted text is not closed" },
    { "unknown escape", "strings 4\n 1 \"a\\qb\"\nend\n", 2, "unknown escape \\q" },
    { "escape at line end", "strings 4\n 1 \"ab\\\nend\n", 2, "not closed" },
    { "text glued to a word", "strings 4\n 1\"a\"\nend\n", 2, "a quoted text must follow a space" },
    { "word glued to a text", "strings 4\n 1 \"a\"b\nend\n", 2, "a quoted text must be followed by a space" },
    { "invalid UTF-8", "strings 4\n 1 \"caf\xE9\"\nend\n", 2, "not valid UTF-8" },
    { "overlong UTF-8", "strings 4\n 1 \"\xC0\xAF\"\nend\n", 2, "not valid UTF-8" },
    { "dialog missing size", "dialog 1 \"N\" \"T\" 600\nend\n", 1, "'dialog' takes 5 arguments, 4 given" },
    { "dialog name not quoted", "dialog 1 N \"T\" 600 450\nend\n", 1, "the dialog name must be a quoted text" },
    { "dialog name empty", "dialog 1 \"\" \"T\" 600 450\nend\n", 1, "the dialog name is empty" },
    { "dialog width zero", "dialog 1 \"N\" \"T\" 0 450\nend\n", 1, "the dialog width 0 is out of range (1 to 32767)" },
    { "dialog height too large", "dialog 1 \"N\" \"T\" 600 40000\nend\n", 1, "the dialog height 40000 is out of range" },
    { "dialog line not an item", "dialog 1 \"N\" \"T\" 6 4\n button 1\nend\n", 2, "expected 'item' or 'end'" },
    { "item missing size", "dialog 1 \"N\" \"T\" 6 4\n item 1 Browser \"B\" 0 0 6\nend\n", 2, "'item' takes 7 arguments, 6 given" },
    { "item numbered out of order", "dialog 1 \"N\" \"T\" 6 4\n item 2 Browser \"B\" 0 0 6 4\nend\n", 2, "item 1 expected, found 2" },
    { "item type quoted", "dialog 1 \"N\" \"T\" 6 4\n item 1 \"Browser\" \"B\" 0 0 6 4\nend\n", 2, "the item type must be a word" },
    { "item type with symbols", "dialog 1 \"N\" \"T\" 6 4\n item 1 Brow-ser \"B\" 0 0 6 4\nend\n", 2, "the item type must be a word" },
    { "item negative width", "dialog 1 \"N\" \"T\" 6 4\n item 1 Browser \"B\" 0 0 -6 4\nend\n", 2, "the item width -6 is out of range" },
    { "empty icon", "icon 1\nend\n", 2, "'icon 1' holds no images" },
    { "icon line not an image", "icon 1\n jpg \"a\" 18 \"square18.png\"\nend\n", 2, "expected 'png', 'bmp' or 'end'" },
    { "icon image without name", "icon 1\n png 18 \"square18.png\"\nend\n", 2, "'png' takes 3 arguments, 2 given" },
    { "icon image empty name", "icon 1\n png \"\" 18 \"square18.png\"\nend\n", 2, "the image name is empty" },
    { "icon image name twice", "icon 1\n png \"a\" 18 \"square18.png\"\n bmp \"a\" 9 \"square18.png\"\nend\n", 3,
      "the image \"a\" appears twice in 'icon 1'" },
    { "group image with name", "icongroup 1\n png \"a\" 18 \"square18.png\"\nend\n", 2, "'png' takes 2 arguments, 3 given" },
    { "group size twice", "icongroup 1\n png 64 \"square64.png\"\n bmp 64 \"square64.png\"\nend\n", 3,
      "'icongroup 1' already has an image of 64 pixels" },
    { "missing file", "icon 1\n png \"a\" 18 \"absent.png\"\nend\n", 2, "cannot read \"absent.png\"" },
    { "empty file name", "icon 1\n png \"a\" 18 \"\"\nend\n", 2, "the file name is empty" },
    { "file not an image", "icon 1\n png \"a\" 18 \"broken.png\"\nend\n", 2, "\"broken.png\": not a readable PNG image" },
    { "file of another size", "icon 1\n png \"a\" 36 \"square18.png\"\nend\n", 2, "\"square18.png\" is 18 x 18 pixels, not 36 x 36" },
    { "bitmap from a wide image", "icongroup 1\n bmp 8 \"wide.png\"\nend\n", 2, "\"wide.png\" is not square (20 x 10)" },
    { "bitmap larger than its source", "icongroup 1\n bmp 32 \"square18.png\"\nend\n", 2, "is smaller than the bitmap of 32 pixels" },
    { "image size zero", "icongroup 1\n bmp 0 \"square18.png\"\nend\n", 2, "the image size 0 is out of range (1 to 4096)" },
    { "zero byte in a line", "strings 1\n 1 \"a\0b\"\nend\n"s, 2, "zero character" },
};

TEST_F (ResourceSourceTest, FaultsAreReportedWithFileAndLine)
{
    for (const FaultCase& c : FaultCases) {
        SCOPED_TRACE (c.what);
        try {
            Compile (c.source);
            ADD_FAILURE () << "compiled without a fault";
        } catch (const RS::SourceError& e) {
            const std::string message = e.what ();
            const std::string where = SourcePath ().string () + ":" + std::to_string (c.line) + ": error: ";
            EXPECT_EQ (message.substr (0, where.size ()), where) << message;
            EXPECT_NE (message.find (c.message), std::string::npos) << message;
        }
    }
}

TEST_F (ResourceSourceTest, UnreadableSourceFileIsReported)
{
    try {
        RS::CompileResourceFile (folder / "absent.rc");
        ADD_FAILURE () << "compiled a file that does not exist";
    } catch (const RS::SourceError& e) {
        EXPECT_EQ (std::string (e.what ()), (folder / "absent.rc").string () + ": error: cannot read the resource source");
    }
}

TEST_F (ResourceSourceTest, EmptySourceGivesAnEmptyImage)
{
    RS::CompiledSource         compiled = Compile ("# nothing here\n\n   \t\n");
    std::vector<unsigned char> image = RS::WriteResourceImage (compiled.resources);
    EXPECT_EQ (image.size (), RS::ImageHeaderSize);
    std::string error;
    EXPECT_TRUE (RS::ParseResourceImage (image.data (), image.size (), &error)) << error;
}

}   // namespace
