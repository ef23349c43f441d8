// Export time against the number of series: an area graph with 2,000 and with 16,000 series,
// legend and check boxes on, exported to a string. Eight times the series should cost about
// eight times the time; the program ends by printing the ratio of the two (target: under 10).
//
//   build/bench/export_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "atrium/area_graph.hpp"
#include "atrium/graph_factory.hpp"
#include "atrium/template_ctl.hpp"

namespace {

// A graph of `series` area series over 4 X cells, each with a legend entry and a check box.
std::shared_ptr<atrium::AreaGraph> MakeGraph(std::int16_t series) {
    static atrium::AtriumTemplateCtl control;
    auto graph = control.CreateFactory()->CreateAreaGraph();
    graph->GridProps()->SetXAxisCellCount(4);
    graph->GridProps()->SetZAxisCellCount(series);
    graph->LegendProps()->SetUseSeriesToggle(true);
    for (const auto& s : graph->Series().Items()) {
        s->Height()->Values() = {0.1f, 0.4f, 0.3f, 0.9f};
        s->SetLegendText("series");
        s->PopupProps()->SetUsePopups(true);
    }
    return graph;
}

void BM_ExportSeries(benchmark::State& state) {
    auto graph = MakeGraph(static_cast<std::int16_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = graph->ExportToString(true, true);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["text MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ExportSeries)->Arg(2000)->Arg(16000)->Unit(benchmark::kMillisecond);

// Prints the console report and remembers each repetition's time per iteration by argument.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.run_name.args][run.repetition_index] = run.GetAdjustedRealTime();
    }
    std::map<std::string, std::map<std::int64_t, double>> times;
};

}  // namespace

// The machine's speed drifts on a shared host, so by default the two sizes run in interleaved
// rounds and the ratio is the median over the rounds of each round's own ratio.
int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=15";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char minTime[] = "--benchmark_min_time=0.5";
    args.insert(args.begin() + 1, {repetitions, interleave, minTime});  // later flags win
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::vector<double> ratios;
    for (const auto& [round, small] : reporter.times["2000"])
        if (auto large = reporter.times["16000"].find(round); large != reporter.times["16000"].end())
            ratios.push_back(large->second / small);
    if (ratios.empty()) return 0;
    std::sort(ratios.begin(), ratios.end());
    std::printf("time(16000 series) / time(2000 series) = %.2f, median of %zu rounds (%.2f to %.2f; target: under 10)\n",
                ratios[ratios.size() / 2], ratios.size(), ratios.front(), ratios.back());
    return 0;
}
