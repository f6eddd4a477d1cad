// The resource compiler as the build runs it: its output files, its exit status and messages.
#include "ResourceFormat.hpp"
#include "ResourceImage.hpp"
#include "TestFiles.hpp"
#include "WindowsResourceFormat.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct CompilerRun {
    int         status;
    std::string errors;
};

class ResourceCompilerTest : public ::testing::Test {
protected:
    CompilerRun Compile (const std::string& arguments) const
    {
        const fs::path    errors = folder / "stderr.txt";
        const std::string command = "'" VIREL_RC "' " + arguments + " 2>'" + errors.string () + "'";
        const int         result = std::system (command.c_str ());
        return { WIFEXITED (result) ? WEXITSTATUS (result) : -1, fs::exists (errors) ? RSTest::ReadText (errors) : "" };
    }

    std::string Quoted (const fs::path& path) const { return "'" + path.string () + "'"; }

    std::string OutputArguments () const { return "-o " + Quoted (image) + " --stub " + Quoted (stub) + " --depfile " + Quoted (depfile); }

    RSTest::ScratchFolder folder;
    fs::path              source = folder / "Module.rc";
    fs::path              image = folder / "Module.rsrc";
    fs::path              stub = folder / "ResourceSection.cpp";
    fs::path              depfile = folder / "Module.d";
};

TEST_F (ResourceCompilerTest, WritesTheImageTheStubAndTheDependencies)
{
    RSTest::WritePng (folder / "icon.png", RSTest::Solid (18, 1, 2, 3));
    RSTest::WriteText (source, "strings 5\n 1 \"five\"\nend\nicon 1\n png \"i\" 18 \"icon.png\"\nend\n");
    CompilerRun run = Compile (Quoted (source) + " " + OutputArguments ());
    ASSERT_EQ (run.status, 0) << run.errors;
    EXPECT_EQ (run.errors, "");

    std::vector<unsigned char>       bytes = RSTest::ReadBytes (image);
    std::string                      error;
    std::optional<RS::ResourceImage> resources = RS::ParseResourceImage (bytes.data (), bytes.size (), &error);
    ASSERT_TRUE (resources) << error;
    EXPECT_EQ (resources->stringLists.at (5), std::vector<std::string> { "five" });

    const std::string stubText = RSTest::ReadText (stub);
    EXPECT_NE (stubText.find (".pushsection .virel.rsrc,"), std::string::npos) << stubText;
    EXPECT_NE (stubText.find (".incbin \\\"" + image.string () + "\\\""), std::string::npos) << stubText;

    const std::string deps = RSTest::ReadText (depfile);
    EXPECT_EQ (deps.rfind (image.string () + ":", 0), 0u) << deps;
    EXPECT_NE (deps.find (source.string ()), std::string::npos) << deps;
    EXPECT_NE (deps.find ((folder / "icon.png").string ()), std::string::npos) << deps;
}

TEST_F (ResourceCompilerTest, FaultySourceFailsAndLeavesNoOutput)
{
    RSTest::WriteText (source, "strings 5\n 1 \"five\"\nend\n");
    ASSERT_EQ (Compile (Quoted (source) + " " + OutputArguments ()).status, 0);
    ASSERT_TRUE (fs::exists (image));

    RSTest::WriteText (source, "strings 5\n 1 \"five\"\n 2 five\nend\n");
    CompilerRun run = Compile (Quoted (source) + " " + OutputArguments ());
    EXPECT_EQ (run.status, 1);
    EXPECT_EQ (run.errors, source.string () + ":3: error: the string must be a quoted text, e.g. \"five\"\n");
    EXPECT_FALSE (fs::exists (image)) << "an image from an earlier run must not outlive a failed one";
    EXPECT_FALSE (fs::exists (stub));
    EXPECT_FALSE (fs::exists (depfile));
}

// What windres gets for a Windows module must read back, through RS's own readers, as the very
// resources of the Linux image: every payload, and every icon group image from its icon file.
TEST_F (ResourceCompilerTest, WindowsScriptNamesEachResourceAndItsFileReadsBack)
{
    const fs::path script = folder / "Module.rc.win";
    CompilerRun    run = Compile (Quoted (RS_SAMPLE_SOURCE) + " -o " + Quoted (image) + " --rc " + Quoted (script));
    ASSERT_EQ (run.status, 0) << run.errors;
    std::vector<unsigned char>       bytes = RSTest::ReadBytes (image);
    std::string                      error;
    std::optional<RS::ResourceImage> expected = RS::ParseResourceImage (bytes.data (), bytes.size (), &error);
    ASSERT_TRUE (expected) << error;

    RS::ResourceImage  read;
    std::istringstream lines (RSTest::ReadText (script));
    int                entries = 0;
    for (std::string line; std::getline (lines, line);) {
        if (line.rfind ("//", 0) == 0)
            continue;
        std::istringstream words (line);
        int                id = 0;
        std::string        type, quoted;
        words >> id >> type >> std::ws;
        std::getline (words, quoted);
        ASSERT_GE (quoted.size (), 2u) << line;
        const std::vector<unsigned char> file = RSTest::ReadBytes (quoted.substr (1, quoted.size () - 2));
        ++entries;
        if (type == "ICON") {
            ASSERT_GE (file.size (), RS::IconDirectorySize) << line;
            std::vector<RSImage>& images = read.iconGroups[id];
            for (UInt32 i = 0; i < RS::ReadUInt16LE (&file[4]); ++i) {
                const unsigned char* entry = &file[RS::IconDirectorySize + i * RS::IconFileEntrySize];
                const unsigned char* data = &file[RS::ReadUInt32LE (entry + 12)];
                const UInt32         size = RS::ReadUInt32LE (entry + 8);
                const RSImage&       want = expected->iconGroups.at (id).at (i);
                EXPECT_EQ (entry[0], want.width >= 256 ? 0 : want.width) << line;
                if (want.format == "PNG") {
                    images.push_back (want);
                    EXPECT_EQ (std::vector<unsigned char> (data, data + size), want.data) << line;
                    continue;
                }
                std::optional<std::vector<unsigned char>> bmp = RS::BmpFileFromIconBitmap (data, size, &error);
                ASSERT_TRUE (bmp) << error;
                EXPECT_EQ (*bmp, want.data) << line << ": icon bitmap " << i << " gives back the BMP file";
                images.push_back (want);
            }
            continue;
        }
        const RS::ResourceType kinds[] = { RS::ResourceType::StringList, RS::ResourceType::PaletteDialog,
                                           RS::ResourceType::ModuleIdentifier, RS::ResourceType::Icon };
        auto                   kind =
            std::find_if (std::begin (kinds), std::end (kinds), [&] (RS::ResourceType k) { return type == RS::WindowsTypeName (k); });
        ASSERT_NE (kind, std::end (kinds)) << line;
        EXPECT_TRUE (RS::ReadResourcePayload (*kind, id, file.data (), file.size (), &read, &error)) << line << ": " << error;
    }
    EXPECT_EQ (entries, 8) << "one entry per resource of the sample";
    EXPECT_EQ (read.stringLists, expected->stringLists);
    EXPECT_EQ (read.moduleIdentifiers, expected->moduleIdentifiers);
    ASSERT_EQ (read.dialogs.size (), expected->dialogs.size ());
    EXPECT_EQ (read.dialogs.at (200).items.size (), 2u);
    EXPECT_EQ (read.dialogs.at (200).title, "Sample Dialog");
    ASSERT_EQ (read.icons.at (400).size (), 3u);
    EXPECT_EQ (read.icons.at (400)[2].data, expected->icons.at (400)[2].data);
    EXPECT_EQ (read.iconGroups.at (400).size (), 2u);
}

TEST_F (ResourceCompilerTest, WindowsScriptRefusesIdentifiersWindowsCannotName)
{
    const fs::path script = folder / "Module.rc.win";
    for (const char* id : { "0", "65536" }) {
        RSTest::WriteText (source, std::string ("moduleid ") + id + " 1 2\n");
        CompilerRun run = Compile (Quoted (source) + " -o " + Quoted (image) + " --rc " + Quoted (script));
        EXPECT_EQ (run.status, 1) << id;
        EXPECT_EQ (run.errors,
                   source.string () + ": error: module identifier " + id + ": a Windows module names its resources 1 to 65535\n");
        EXPECT_FALSE (fs::exists (script)) << id;
        EXPECT_FALSE (fs::exists (image)) << id;
    }
}

TEST_F (ResourceCompilerTest, WrongCommandLineGetsTheUsage)
{
    RSTest::WriteText (source, "");
    for (const std::string& arguments :
         { std::string (), Quoted (source), "-o " + Quoted (image), Quoted (source) + " -o",
           Quoted (source) + " --wrong x -o " + Quoted (image), Quoted (source) + " " + Quoted (source) + " -o " + Quoted (image) }) {
        CompilerRun run = Compile (arguments);
        EXPECT_EQ (run.status, 2) << arguments;
        EXPECT_EQ (run.errors.rfind ("usage: virel-rc SOURCE -o IMAGE", 0), 0u) << arguments << ": " << run.errors;
    }
    EXPECT_FALSE (fs::exists (image));
}

TEST_F (ResourceCompilerTest, MissingSourceIsReported)
{
    CompilerRun run = Compile (Quoted (folder / "absent.rc") + " -o " + Quoted (image));
    EXPECT_EQ (run.status, 1);
    EXPECT_EQ (run.errors, (folder / "absent.rc").string () + ": error: cannot read the resource source\n");
}

}   // namespace
