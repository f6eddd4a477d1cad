// Tests drive the built add-on through the simulated host, as the host would, and look at
// what the host saw. Every behavioural suite runs on both builds (host API 28 and 27); tests
// of the host alone run once.
#pragma once

#include "SimHost/Host.hpp"
#include "SimHost/Scenario.hpp"

#include "DGBrowser.hpp"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace VirelTests {

// The add-on file of a build: build/api28/VirelPalette.apx or build/api27/VirelPalette.apx.
std::string AddOnPath (int api);

// A simulated host with one add-on file, and the scenario steps tests drive it with.
class HostSession {
protected:
    explicit HostSession (std::string addOnFile);

    // Runs scenario steps (one JSON object a line) and returns the transcript lines they
    // added, as printed.
    std::vector<std::string> Run (const std::string& steps);
    // The same, parsed.
    std::vector<nlohmann::json> RunLines (const std::string& steps);
    // Every line so far.
    std::vector<std::string> Transcript () const;

    // Loads the add-on and opens the palette from its menu; returns nothing, fails on errors.
    void LoadAndOpenPalette ();
    // Ends the host (unloading its add-on) and starts a fresh one that runs 'steps', for
    // table-driven cases; returns the lines the steps added.
    std::vector<std::string> Restart (const std::string& steps = "");

    // The host operations called since the last look, in order, and how often each was.
    std::vector<std::string>   Calls ();
    std::map<std::string, int> CallCounts ();
    // How often one operation was called since the last look.
    int CallCount (const std::string& operation);
    // A contract violation this test causes on purpose; any other one fails the test.
    void ExpectViolation (const std::string& name) { expectedViolations.push_back (name); }
    // Unloads the add-on and fails on every violation the test did not expect.
    void FailOnUnexpectedViolations ();

    std::unique_ptr<SimHost::Host> host;

private:
    std::string              addOnFile;
    std::vector<std::string> expectedViolations;
};

class HostTest : public ::testing::TestWithParam<int>, public HostSession {
protected:
    HostTest ()
        : HostSession (AddOnPath (GetParam ()))
    {}
    using HostSession::Run;   // not the test's own Run

    int  Api () const { return GetParam (); }
    void TearDown () override { FailOnUnexpectedViolations (); }
};

// The host on its own: steps, queries and refusals that do not depend on the add-on's build.
class HostOnlyTest : public ::testing::Test, public HostSession {
protected:
    HostOnlyTest ()
        : HostSession (AddOnPath (28))
    {}
    using HostSession::Run;
    void TearDown () override { FailOnUnexpectedViolations (); }
};

// Common transcript lines.
std::string PageLine (const std::string& script);   // {"page":"..."}
std::string ReturnedLine (const std::string& code = "0x00000000");
std::string ResultLine (const std::string& text);         // {"result":"..."}
std::string ExceptionLine (const std::string& message);   // {"exception":"..."}
std::string ReportLine (const std::string& text);         // {"report":"..."}

// The step of a page call archicad.<function>, with a string argument or none.
std::string CallStep (const std::string& function, const std::optional<std::string>& argument = {});

// The argument of "paintElement", its numbers as JSON texts as the page writes them.
struct PaintRequest {
    std::string elementId;
    std::string elementIndex = "1";
    std::string materialId;
    std::string bodyIndex = "1";
    std::string polygonIndex = "1";
};
std::string PaintCall (const PaintRequest& request);   // the call step

// The lines of 'lines' for which 'keep' holds, e.g. only the page lines.
std::vector<std::string> Only (const std::vector<std::string>& lines, const std::string& key);

std::string BuildName (const ::testing::TestParamInfo<int>& info);

}   // namespace VirelTests

#define VIREL_ON_BOTH_BUILDS(Suite) INSTANTIATE_TEST_SUITE_P (BothBuilds, Suite, ::testing::Values (28, 27), VirelTests::BuildName)
