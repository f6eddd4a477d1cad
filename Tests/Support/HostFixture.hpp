// Tests drive the built add-on through the simulated host, as the host would, and look at
// what the host saw. Every behavioural suite runs on both builds (host API 28 and 27).
#pragma once

#include "SimHost/Host.hpp"
#include "SimHost/Scenario.hpp"

#include "DGBrowser.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace VirelTests {

// The add-on file of a build: build/api28/VirelPalette.apx or build/api27/VirelPalette.apx.
std::string AddOnPath (int api);

class HostTest : public ::testing::TestWithParam<int> {
protected:
    HostTest ();

    int Api () const { return GetParam (); }

    // Runs scenario steps (one JSON object a line) and returns the transcript lines they
    // added, as printed.
    std::vector<std::string> Run (const std::string& steps);
    // The same, parsed.
    std::vector<nlohmann::json> RunLines (const std::string& steps);
    // Every line so far.
    std::vector<std::string> Transcript () const;

    // Loads the add-on and opens the palette from its menu; returns nothing, fails on errors.
    void LoadAndOpenPalette ();
    // Ends the host (unloading its add-on) and starts a fresh one, for table-driven cases.
    void RestartHost ();
    // A contract violation this test causes on purpose; any other one fails the test.
    void ExpectViolation (const std::string& name) { expectedViolations.push_back (name); }
    void TearDown () override;

    std::unique_ptr<SimHost::Host> host;

private:
    void FailOnUnexpectedViolations ();
    std::vector<std::string> expectedViolations;
};

// Common transcript lines.
std::string PageLine (const std::string& script);          // {"page":"..."}
std::string ReturnedLine (const std::string& code = "0x00000000");
std::string ResultLine (const std::string& text);           // {"result":"..."}
std::string ExceptionLine (const std::string& message);     // {"exception":"..."}

// The lines of 'lines' for which 'keep' holds, e.g. only the page lines.
std::vector<std::string> Only (const std::vector<std::string>& lines, const std::string& key);

std::string BuildName (const ::testing::TestParamInfo<int>& info);

}   // namespace VirelTests

#define VIREL_ON_BOTH_BUILDS(Suite) INSTANTIATE_TEST_SUITE_P (BothBuilds, Suite, ::testing::Values (28, 27), VirelTests::BuildName)
