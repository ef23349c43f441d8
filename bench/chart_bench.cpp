// A 500 x 500 surface of sin(x) cos(z), built and exported to a string through the data layer,
// and the same chart built through the object model directly (grid, axes, Set1HeightPoint with
// a formatted pop-up per point). The layer should cost at most 1.2 times the direct build.
//
//   build/bench/chart_bench
#include <benchmark/benchmark.h>

#include <cmath>

#include "atrium/atrium.hpp"

namespace {

constexpr std::size_t kPoints = 500;

const atrium::charts::SurfaceData& Data() {
    static const auto data = [] {
        const auto x = atrium::charts::Linspace(-3, 3, kPoints);
        return atrium::charts::SurfaceData{
            .x = x,
            .z = x,
            .surfaces = {{.name = "wave",
                          .heights = atrium::charts::Matrix::Generate(
                              x, x, [](double a, double b) { return std::sin(a) * std::cos(b); })}}};
    }();
    return data;
}

void BM_ThroughCharts(benchmark::State& state) {
    for (auto _ : state) {
        const atrium::charts::SurfaceChart chart(Data(), {.title = "wave"});
        benchmark::DoNotOptimize(chart.ToVrml());
    }
}
BENCHMARK(BM_ThroughCharts)->Unit(benchmark::kMillisecond);

void BM_ThroughObjectModel(benchmark::State& state) {
    const auto& data = Data();
    const auto n = static_cast<std::int16_t>(kPoints);
    for (auto _ : state) {
        auto graph = std::make_shared<atrium::SurfaceGraph>();
        graph->TitleProps()->SetText("wave");
        auto grid = graph->GridProps();
        grid->SetWidth(10);
        grid->SetHeight(5);
        grid->SetDepth(10);
        grid->SetXAxisCellCount(n);
        grid->SetYAxisCellCount(4);
        grid->SetZAxisCellCount(n);
        graph->YAxisProps()->SetMin(-1);
        graph->YAxisProps()->SetMax(1);
        for (auto axis : {graph->XAxisProps(), graph->ZAxisProps()})
            for (std::size_t i = 0; i < kPoints; ++i)
                axis->Labels()->Add(i % 84 == 0 ? atrium::FormatNumber(data.x[i], "#,##0.0") : "");
        graph->LegendProps()->SetUseSeriesToggle(true);
        graph->SetSurfaceCount(1);
        auto surface = graph->GetSurface(1);
        surface->PopupProps()->SetUsePopups(true);
        const auto& values = data.surfaces[0].heights.values;
        for (std::int16_t z = 1; z <= n; ++z)
            for (std::int16_t x = 1; x <= n; ++x) {
                const double v = values[static_cast<std::size_t>(z - 1) * kPoints + static_cast<std::size_t>(x - 1)];
                surface->Set1HeightPoint(x, z, static_cast<float>((v + 1) * 2.5), atrium::FormatNumber(v, "#,##0.###"));
            }
        benchmark::DoNotOptimize(graph->ExportToString(true, true));
    }
}
BENCHMARK(BM_ThroughObjectModel)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
