// The largest surface graph: 181 x 181 cells, two surfaces of 32,761 points with pop-ups, built
// through the graph factory (every point set with Set1HeightPoint and a "#0.00" pop-up text)
// and exported to a string; and the export alone of that graph.
//
//   build/bench/surface_graph_bench
#include <benchmark/benchmark.h>

#include <cmath>

#include "atrium/graph_factory.hpp"
#include "atrium/number_format.hpp"
#include "atrium/surface_graph.hpp"
#include "atrium/template_ctl.hpp"

namespace {

constexpr std::int16_t kCells = 181;

std::shared_ptr<atrium::SurfaceGraph> Build(atrium::GraphFactory& factory) {
    auto graph = factory.CreateSurfaceGraph();
    auto grid = graph->GridProps();
    grid->SetWidth(10);
    grid->SetHeight(4);
    grid->SetDepth(10);
    grid->SetXAxisCellCount(kCells);
    grid->SetYAxisCellCount(4);
    grid->SetZAxisCellCount(kCells);
    graph->LegendProps()->SetUseSeriesToggle(true);
    graph->SetSurfaceCount(2);
    for (std::int16_t s = 1; s <= 2; ++s) {
        auto surface = graph->GetSurface(s);
        surface->PopupProps()->SetUsePopups(true);
        for (std::int16_t z = 1; z <= kCells; ++z)
            for (std::int16_t x = 1; x <= kCells; ++x) {
                float h = 2.0f + static_cast<float>(s) * std::sin(0.05f * x) * std::cos(0.07f * z);
                surface->Set1HeightPoint(x, z, h, atrium::FormatNumber(h * 3.75f, "#0.00"));
            }
    }
    return graph;
}

atrium::GraphFactory& Factory() {
    static atrium::AtriumTemplateCtl control;
    static auto factory = control.CreateFactory();
    return *factory;
}

void BM_BuildAndExport(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto graph = Build(Factory());
        bytes = graph->ExportToString(true, true).size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BuildAndExport)->Unit(benchmark::kMillisecond);

void BM_ExportOnly(benchmark::State& state) {
    auto graph = Build(Factory());
    for (auto _ : state) benchmark::DoNotOptimize(graph->ExportToString(true, true));
}
BENCHMARK(BM_ExportOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
