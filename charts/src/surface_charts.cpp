#include "atrium/charts/surface_charts.hpp"

#include <algorithm>
#include <cmath>

#include "checks.hpp"
#include "grid_charts.hpp"

namespace atrium::charts {

namespace {

using namespace detail;

// The given coordinates (finite, increasing, one per cell), or 1, 2, ... n when none are given.
std::vector<double> Coordinates(const std::vector<double>& given, std::size_t n, const char* axis) {
    if (given.empty()) return Linspace(1, static_cast<double>(n), n);
    const std::string what = std::string("The ") + axis + " coordinates";
    CheckFinite(given, what);
    for (std::size_t i = 1; i < given.size(); ++i)
        if (!(given[i] > given[i - 1]))
            BadInput(what + ": value at position " + std::to_string(i) + " does not increase");
    return given;
}

// A square box, stretched along the axis whose coordinates span more (at most twice).
Box SurfaceBox(std::span<const double> x, std::span<const double> z) {
    const double ratio = std::clamp((x.back() - x.front()) / (z.back() - z.front()), 0.5, 2.0);
    return {static_cast<float>(10 * std::min(1.0, ratio)), 5, static_cast<float>(10 * std::min(1.0, 1 / ratio))};
}

std::shared_ptr<SurfaceGraph> BuildSurfaceGraph(const SurfaceData& data, const ChartOptions& options) {
    CheckNotEmpty(data.surfaces.size(), "The surface list");
    const Matrix& first = data.surfaces.front().heights;
    const auto x = Coordinates(data.x, first.columns, "X");
    const auto z = Coordinates(data.z, first.rows, "Z");
    CheckSurfaces(data.surfaces, x.size(), z.size());
    const auto plan = PlanGrid(options, SurfaceBox(x, z), YTicks({}, data.surfaces, false, options));

    auto graph = std::make_shared<SurfaceGraph>();
    const auto xLabels = LabelCoordinates(x, options), zLabels = LabelCoordinates(z, options);
    DressGrid(*graph, options, plan, x.size(), zLabels.labels, xLabels.every, zLabels.every);
    graph->XAxisProps()->Labels()->Values() = xLabels.labels;
    graph->ZAxisProps()->Labels()->Values() = zLabels.labels;
    graph->SetSurfaceCount(static_cast<std::int16_t>(data.surfaces.size()));
    for (std::size_t i = 0; i < data.surfaces.size(); ++i)
        FillSurface(*graph->GetSurface(static_cast<std::int16_t>(i + 1)), data.surfaces[i], ColourAt(options, i),
                    options, plan);
    return graph;
}

}  // namespace

SurfaceChart::SurfaceChart(const SurfaceData& data, const ChartOptions& options)
    : ChartOf(BuildSurfaceGraph(data, options)) {}

SurfaceColumnChart::SurfaceColumnChart(const ComboData& data, const ChartOptions& options)
    : ChartOf(BuildCategoryGraph<SCComboGraph>(data.series, data.surfaces, options, true, kSeries)) {}

RibbonSurfaceChart::RibbonSurfaceChart(const ComboData& data, const ChartOptions& options)
    : ChartOf(BuildCategoryGraph<RCComboGraph>(data.series, data.surfaces, options, false, kSeries)) {}

}  // namespace atrium::charts
