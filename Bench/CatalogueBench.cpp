// The catalogue through the bridge: the page's "getMaterials" and "createMaterials" run in
// the built add-on, driven by the simulated host; beside each, the JSON library alone doing
// the same JSON work. The ratios close the output.
#include "BenchHost.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <map>
#include <stdexcept>

using namespace VirelBench;

namespace {

constexpr int Folders = 100;
constexpr int CreatedEntries = 1000;

// The transcript and the call log are emptied between calls, outside the timed part, so
// that they do not grow over the run.
void ForgetCall (SimHost::Host& host)
{
    host.GetTranscript ().Clear ();
    host.CallsQuery ();
}

void CheckResult (SimHost::Host& host)
{
    const auto& lines = host.GetTranscript ().Lines ();
    if (lines.empty () || !lines.back ().contains ("result"))
        throw std::runtime_error ("the page call returned no catalogue");
}

// CPU time of this thread: other work on the machine does not count against either side.
double ThreadSeconds ()
{
    timespec now {};
    clock_gettime (CLOCK_THREAD_CPUTIME_ID, &now);
    return double (now.tv_sec) + double (now.tv_nsec) * 1e-9;
}

// Each iteration times the page call and the baseline one after the other, so that both
// see the same machine; the iteration's own time is both together.
struct PairedTimes {
    double bridge = 0.0;
    double baseline = 0.0;

    template <class Work> static double Time (Work&& work)
    {
        const double start = ThreadSeconds ();
        work ();
        return ThreadSeconds () - start;
    }

    void Report (benchmark::State& state) const
    {
        const double iterations = double (state.iterations ());
        state.counters["bridge_ms"] = bridge / iterations * 1e3;
        state.counters["baseline_ms"] = baseline / iterations * 1e3;
        state.counters["ratio"] = baseline > 0.0 ? bridge / baseline : 0.0;
    }
};

void GetMaterials (benchmark::State& state)
{
    std::unique_ptr<SimHost::Host> host = StartHost ();
    FillProject (*host, int (state.range (0)), Folders);
    const PreparedFolder prepared = PrepareCatalogue (*host);
    ForgetCall (*host);
    PairedTimes times;
    for (auto _ : state) {
        times.bridge += PairedTimes::Time ([&] { host->Call ("getMaterials"); });
        CheckResult (*host);
        ForgetCall (*host);
        times.baseline += PairedTimes::Time ([&] {
            std::string text = WritePrepared (prepared);
            benchmark::DoNotOptimize (text);
        });
    }
    times.Report (state);
}

// 1,000 entries over the folders below the root.
std::string CreateArgument ()
{
    nlohmann::json entries = nlohmann::json::array ();
    for (int i = 0; i < CreatedEntries; ++i) {
        char name[32], path[48];
        std::snprintf (name, sizeof name, "Virel Colour %05d", i);
        std::snprintf (path, sizeof path, "Surfaces/Virel/Range %02d", i % Folders);
        entries.push_back (
            { { "name", name },
              { "color", { { "red", i % 256 }, { "green", (i * 7) % 256 }, { "blue", (i * 13) % 256 } } },
              { "path", path },
              { "product",
                { { "ambient", i % 100 }, { "diffuse", (i * 3) % 100 }, { "shine", i % 2 == 0 }, { "specular", (i * 5) % 100 } } } });
    }
    return entries.dump ();
}

// A fresh project holding only the catalogue root.
std::unique_ptr<SimHost::Host> FreshProject ()
{
    std::unique_ptr<SimHost::Host> host = StartHost ();
    host->Attributes ().CreateFolder ({ "Surfaces", "Virel" }, host->Guids ());
    ForgetCall (*host);
    return host;
}

void CreateMaterials (benchmark::State& state)
{
    const std::string argument = CreateArgument ();
    // the catalogue that the call leaves behind, as prepared records
    std::unique_ptr<SimHost::Host> host = FreshProject ();
    host->Call ("createMaterials", SimHost::ArgumentKind::String, argument);
    CheckResult (*host);
    const PreparedFolder prepared = PrepareCatalogue (*host);
    PairedTimes          times;
    for (auto _ : state) {
        state.PauseTiming ();
        host.reset ();
        host = FreshProject ();
        state.ResumeTiming ();
        times.bridge += PairedTimes::Time ([&] { host->Call ("createMaterials", SimHost::ArgumentKind::String, argument); });
        CheckResult (*host);
        times.baseline += PairedTimes::Time ([&] {
            nlohmann::json entries = nlohmann::json::parse (argument, nullptr, true, false);
            benchmark::DoNotOptimize (entries);
            std::string text = WritePrepared (prepared);
            benchmark::DoNotOptimize (text);
        });
    }
    times.Report (state);
}

BENCHMARK (GetMaterials)->Arg (100)->Arg (1000)->Arg (10000)->Unit (benchmark::kMillisecond);
BENCHMARK (CreateMaterials)->Arg (CreatedEntries)->Unit (benchmark::kMillisecond);

// Prints the runs as usual and keeps each benchmark's counters for the summary (from the
// repetition with the fastest page call).
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns (const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns (runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.counters.count ("bridge_ms") == 0)
                continue;
            const Figures figures { run.counters.at ("bridge_ms"), run.counters.at ("baseline_ms") };
            auto          found = best.find (run.benchmark_name ());
            if (found == best.end ())
                best.emplace (run.benchmark_name (), figures);
            else if (figures.bridge < found->second.bridge)
                found->second = figures;
        }
    }

    void PrintSummary () const
    {
        std::printf ("\nPage call through the bridge / the JSON library alone (thread CPU time per call; goal at most 1.5 at 10000):\n");
        for (const char* name : { "GetMaterials/100", "GetMaterials/1000", "GetMaterials/10000", "CreateMaterials/1000" }) {
            auto found = best.find (name);
            if (found != best.end ())
                std::printf ("  %-22s %10.3f ms / %10.3f ms = %5.2f\n", name, found->second.bridge, found->second.baseline,
                             found->second.bridge / found->second.baseline);
        }
        std::printf ("Time for 10x the materials (goal at most 11):\n");
        Scaling ("GetMaterials/100", "GetMaterials/1000");
        Scaling ("GetMaterials/1000", "GetMaterials/10000");
    }

private:
    struct Figures {
        double bridge;
        double baseline;
    };

    void Scaling (const char* smaller, const char* larger) const
    {
        auto a = best.find (smaller);
        auto b = best.find (larger);
        if (a == best.end () || b == best.end ())
            return;
        std::printf ("  %-18s -> %-18s bridge %5.2f, baseline %5.2f\n", smaller, larger, b->second.bridge / a->second.bridge,
                     b->second.baseline / a->second.baseline);
    }

    std::map<std::string, Figures> best;
};

}   // namespace

int main (int argc, char** argv)
{
    benchmark::Initialize (&argc, argv);
    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks (&reporter);
    reporter.PrintSummary ();
    benchmark::Shutdown ();
    return 0;
}
