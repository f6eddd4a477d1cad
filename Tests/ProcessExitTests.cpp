// A host process that exits with the add-on still loaded and initialised: the add-on's unload
// step runs at the exit, with the abnormal-termination line, and ends the process cleanly
// (under the sanitizers: no use of a destroyed static, nothing freed twice).
#include "HostFixture.hpp"

#include "SimHost/Scenario.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

using namespace VirelTests;

namespace {
// the child's leak check would count what only the parent's other threads still reach
bool leakCheckOff = false;
}   // namespace

#ifdef VIREL_SANITIZE
extern "C" int __lsan_is_turned_off () { return leakCheckOff ? 1 : 0; }
#endif

namespace {

class ProcessExitTest : public HostTest {
protected:
    // Runs 'steps' in a child process of this host that then exits without unloading the
    // add-on; returns the transcript lines the child printed and its exit status.
    std::pair<std::string, int> ExitWithTheAddOnLoaded (const std::string& steps)
    {
        int pipeEnds[2];
        if (pipe (pipeEnds) != 0)
            return { "", -1 };
        const pid_t child = fork ();
        if (child == 0) {
            leakCheckOff = true;
            close (pipeEnds[0]);
            const int out = pipeEnds[1];
            host->GetTranscript ().SetSink ([out] (const std::string& line) {
                const std::string              text = line + "\n";
                [[maybe_unused]] const ssize_t written = write (out, text.data (), text.size ());
            });
            Run (steps);
            std::exit (0);
        }
        close (pipeEnds[1]);
        std::string lines;
        char        buffer[4096];
        for (ssize_t got; (got = read (pipeEnds[0], buffer, sizeof buffer)) > 0;)
            lines.append (buffer, USize (got));
        close (pipeEnds[0]);
        int status = 0;
        waitpid (child, &status, 0);
        return { lines, WIFEXITED (status) ? WEXITSTATUS (status) : 128 + WTERMSIG (status) };
    }
};

TEST_P (ProcessExitTest, AnExitWithTheAddOnLoadedRunsItsUnloadStepOnce)
{
    const std::string abnormal = R"({"debug":"Abnormal add-on termination (\")" + AddOnPath (Api ()) + R"(\")\n"})";
    const struct {
        const char* what;
        std::string steps;
        bool        released;
    } cases[] = {
        { "palette open", R"({"do":"load"}
{"do":"menu","list":32500,"item":1})",
          false },
        { "no palette", R"({"do":"load"})", false },
        { "released, palette open", R"({"do":"load"}
{"do":"menu","list":32500,"item":1}
{"do":"entry","name":"ReleaseModule"})",
          true },
    };
    for (const auto& session : cases) {
        SCOPED_TRACE (session.what);
        const auto [lines, status] = ExitWithTheAddOnLoaded (session.steps);
        EXPECT_EQ (status, 0) << lines;
        const std::size_t first = lines.find (abnormal);
        EXPECT_EQ (first != std::string::npos, !session.released) << lines;
        if (first != std::string::npos) {
            EXPECT_EQ (lines.find (abnormal, first + 1), std::string::npos);   // once
        }
    }
}

VIREL_ON_BOTH_BUILDS (ProcessExitTest);

}   // namespace
