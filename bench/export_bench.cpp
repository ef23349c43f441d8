// Export time against the number of series: an area graph with 2,000 and with 16,000 series,
// legend and check boxes on, exported to a string. Eight times the series should cost about
// eight times the time; the program ends by printing the ratio of the two (target: under 10).
//
//   build/bench/export_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

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

// Prints the console report and remembers each run's time per iteration by its argument.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) times[run.run_name.args] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (reporter.times.count("2000") && reporter.times.count("16000"))
        std::printf("time(16000 series) / time(2000 series) = %.2f (target: under 10)\n",
                    reporter.times["16000"] / reporter.times["2000"]);
    return 0;
}
