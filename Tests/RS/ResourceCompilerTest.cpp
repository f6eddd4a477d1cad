// The resource compiler as the build runs it: its output files, its exit status and messages.
#include "ResourceFormat.hpp"
#include "ResourceImage.hpp"
#include "TestFiles.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
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
