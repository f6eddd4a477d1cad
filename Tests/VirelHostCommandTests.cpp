// The command-line host: its exit status and what it prints for runs that go wrong.
#include "HostFixture.hpp"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace VirelTests;

namespace {

struct CommandOutcome {
    int         status = -1;
    std::string output;   // standard output, then standard error
};

CommandOutcome RunHost (const std::string& scenario, const std::string& addOn)
{
    const std::filesystem::path file =
        std::filesystem::temp_directory_path () / ("virel-host-test-" + std::to_string (getpid ()) + ".scenario");
    std::ofstream (file) << scenario;
    const std::string command = std::string (VIREL_BUILD_DIR) + "/virel-host run --addon '" + addOn + "' '" + file.string () + "' 2>&1";
    CommandOutcome    outcome;
    if (FILE* pipe = popen (command.c_str (), "r")) {
        char buffer[4096];
        for (size_t read; (read = fread (buffer, 1, sizeof buffer, pipe)) > 0;)
            outcome.output.append (buffer, read);
        const int status = pclose (pipe);
        outcome.status = WIFEXITED (status) ? WEXITSTATUS (status) : -1;
    }
    std::filesystem::remove (file);
    return outcome;
}

class VirelHostCommandTest : public HostTest {};
class VirelHostOnlyCommandTest : public HostOnlyTest {};

struct MalformedCase {
    const char* scenario;
    const char* message;   // part of the message on standard error
};

TEST_F (VirelHostOnlyCommandTest, AMalformedScenarioIsRefusedBeforeAnythingRuns)
{
    const MalformedCase cases[] = {
        { "{\"do\":\"load\"}\nnot json\n", "line 2" },
        { "{\"do\":\"load\"}\n{\"do\":\"fly\"}\n", "unknown step \"fly\"" },
        { "{\"do\":\"load\",\"fast\":true}\n", "unknown key \"fast\"" },
        { "{\"do\":\"menu\",\"list\":\"x\",\"item\":1}\n", "line 1" },
        { "{\"do\":\"fail\",\"op\":\"HostFly\",\"code\":\"0x81060001\"}\n", "unknown host operation" },
        { "[1,2]\n", "line 1" },
    };
    for (const MalformedCase& test : cases) {
        SCOPED_TRACE (test.scenario);
        const CommandOutcome outcome = RunHost (test.scenario, AddOnPath (28));
        EXPECT_EQ (outcome.status, 2);
        EXPECT_EQ (outcome.output.find ("entryRecord"), std::string::npos);   // nothing ran
        EXPECT_NE (outcome.output.find (test.message), std::string::npos) << outcome.output;
    }
}

TEST_P (VirelHostCommandTest, AStepThatCannotBeCarriedOutEndsTheRunAfterTheTranscriptSoFar)
{
    const CommandOutcome outcome =
        RunHost ("# no palette yet\n{\"do\":\"load\"}\n{\"do\":\"call\",\"fn\":\"hide\"}\n{\"do\":\"palette\"}\n", AddOnPath (Api ()));
    EXPECT_EQ (outcome.status, 2);
    EXPECT_NE (outcome.output.find ("{\"entry\":\"InitializeModule\",\"returned\":\"0x00000000\"}"), std::string::npos);
    EXPECT_NE (outcome.output.find ("line 3"), std::string::npos) << outcome.output;
    EXPECT_EQ (outcome.output.find ("{\"palette\""), std::string::npos);
}

TEST_P (VirelHostCommandTest, ACompleteRunExitsWithZeroAndTheSameTranscriptEachTime)
{
    const std::string scenario =
        "{\"do\":\"load\"}\n{\"do\":\"addMaterial\",\"path\":[\"Surfaces\",\"Virel\"],\"name\":\"Chalk\"}\n"
        "{\"do\":\"menu\",\"list\":32500,\"item\":1}\n{\"do\":\"call\",\"fn\":\"getMaterials\"}\n{\"do\":\"unload\"}\n";
    const CommandOutcome first = RunHost (scenario, AddOnPath (Api ()));
    const CommandOutcome second = RunHost (scenario, AddOnPath (Api ()));
    EXPECT_EQ (first.status, 0);
    EXPECT_EQ (first.output, second.output);
    EXPECT_NE (first.output.find ("{\"result\":"), std::string::npos);
}

TEST_F (VirelHostOnlyCommandTest, AnAddOnThatCrashesTheHostEndsWithTheCrashLine)
{
    const CommandOutcome outcome =
        RunHost ("{\"do\":\"load\"}\n{\"do\":\"palette\"}\n", std::string (VIREL_BUILD_DIR) + "/Tests/CrashingAddOn.apx");
    EXPECT_EQ (outcome.status, 3);
    EXPECT_EQ (outcome.output,
               "{\"entryRecord\":{\"version\":\"0x001C0001\",\"apiVersion\":28000,\"otherBytesZero\":true}}\n{\"crash\":\"SIGSEGV\"}\n");
}

VIREL_ON_BOTH_BUILDS (VirelHostCommandTest);

}   // namespace
