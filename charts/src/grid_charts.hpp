#pragma once
// What the six grid charts share: the checks of categories and height matrices, the plan
// (box, text sizes, Y ticks) chosen from the data, the dressing of the graph's parts, and the
// filling of a series or a surface with scaled values and pop-up texts.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "atrium/charts/chart_data.hpp"
#include "atrium/charts/chart_options.hpp"
#include "atrium/grid_graph.hpp"
#include "atrium/surface_info.hpp"
#include "checks.hpp"
#include "look.hpp"
#include "ticks.hpp"

namespace atrium::charts::detail {

// How a grid chart is laid out: its box, text sizes, Y ticks and the value scale onto Y.
struct GridPlan {
    Box box;
    TextSizes texts;
    Ticks ticks;
    ValueScale scale;
    std::string valuePattern;  // of the pop-ups
};

// Fails unless there are categories and series, each series one finite value per category,
// and both fit a 16-bit count.
void CheckCategories(const CategoryData& data);

// Fails unless each surface is a finite columns x rows matrix (at least 2 x 2, both counts
// within 16 bits), with pop-up texts none or one per value.
void CheckSurfaces(std::span<const NamedMatrix> surfaces, std::size_t columns, std::size_t rows);

// The Y ticks over every value of series and surfaces (from 0 when fromZero), or the options' range.
Ticks YTicks(std::span<const Series> series, std::span<const NamedMatrix> surfaces, bool fromZero,
             const ChartOptions& options);

// The box of a category chart: wider with more categories, deeper with more series.
Box CategoryBox(std::size_t xCells, std::size_t zCells);

// The plan of a grid chart in the chosen box (or the options' sizes) over those ticks.
GridPlan PlanGrid(const ChartOptions& options, const Box& chosen, const Ticks& ticks);

// Axis labels for numeric coordinates, one per cell: about six evenly spaced cells show their
// coordinate, the others stay blank so the shown ones have room.
struct CoordinateLabels {
    std::vector<std::string> labels;
    std::size_t every;  // cells from one shown label to the next
};
CoordinateLabels LabelCoordinates(std::span<const double> coordinates, const ChartOptions& options);

// Frame, grid, axes (Y ticks, headers, label sizes that fit their cells), legend with check
// boxes, no drill cones, and the viewpoints, for xCells x zLabels.size() cells. The X and Z
// labels are the caller's to fill (zLabels are the Z texts, for the room they take); only every
// xLabelEvery-th and zLabelEvery-th label is not blank.
void DressGrid(GridGraph& graph, const ChartOptions& options, const GridPlan& plan, std::size_t xCells,
               std::span<const std::string> zLabels, std::size_t xLabelEvery, std::size_t zLabelEvery);

// The value written with pattern (FormatNumber).
std::string FormatValue(double value, const std::string& pattern);

// The series' legend text, colour, scaled heights and pop-ups of its values. S is an area,
// column or ribbon series.
template <class S>
void FillSeries(S& target, const Series& series, Rgb colour, const ChartOptions& options, const GridPlan& plan) {
    target.SetLegendText(series.name);
    target.SetShowInLegend(options.legend);
    target.Material()->DiffuseColorField()->SetRGBValue(colour);
    StylePopups(*target.PopupProps(), options, plan.texts);
    auto& heights = target.Height()->Values();
    auto& texts = target.PopupProps()->PopupText()->Values();
    heights.clear();
    texts.clear();
    for (double v : series.values) {
        heights.push_back(plan.scale(v));
        texts.push_back(series.name + ": " + FormatValue(v, plan.valuePattern));
    }
}

// The surface's legend text, colour, scaled heights and pop-ups (its own texts, or its values).
void FillSurface(SurfaceInfo& target, const NamedMatrix& surface, Rgb colour, const ChartOptions& options,
                 const GridPlan& plan);

// The series names, for the Z labels.
std::vector<std::string> NamesOf(std::span<const Series> series);

// Series number i of a graph that has series.
inline constexpr auto kSeries = [](auto& graph, std::int16_t i) { return graph.GetSeries(i); };

// Builds any category chart: checks, plans and dresses the graph, names the categories and
// series, fills each series (`series(graph, i)` gives series i, from 1) and then the surfaces
// over the same cells (a combination graph's). Columns and depths fill `fill` of their cells.
template <class G, class GetSeries>
std::shared_ptr<G> BuildCategoryGraph(const CategoryData& data, std::span<const NamedMatrix> surfaces,
                                      const ChartOptions& options, bool fromZero, GetSeries series,
                                      float fill = 0.6f) {
    CheckCategories(data);
    CheckSurfaces(surfaces, data.categories.size(), data.series.size());
    const auto plan = PlanGrid(options, CategoryBox(data.categories.size(), data.series.size()),
                               YTicks(data.series, surfaces, fromZero, options));
    auto graph = std::make_shared<G>();
    const auto names = NamesOf(data.series);
    DressGrid(*graph, options, plan, data.categories.size(), names, 1, 1);
    graph->XAxisProps()->Labels()->Values() = data.categories;
    graph->ZAxisProps()->Labels()->Values() = names;
    const float cellX = plan.box.width / static_cast<float>(data.categories.size());
    const float cellZ = plan.box.depth / static_cast<float>(data.series.size());
    for (std::size_t i = 0; i < data.series.size(); ++i) {
        auto target = series(*graph, static_cast<std::int16_t>(i + 1));
        FillSeries(*target, data.series[i], ColourAt(options, i), options, plan);
        target->SetDepth(fill * cellZ);
        if constexpr (requires { target->SetWidth(1.0f); }) target->SetWidth(fill * cellX);
    }
    if constexpr (requires { graph->SetSurfaceCount(1); }) {
        if (surfaces.empty()) return graph;
        graph->SetSurfaceCount(static_cast<std::int16_t>(surfaces.size()));
        for (std::size_t i = 0; i < surfaces.size(); ++i)
            FillSurface(*graph->GetSurface(static_cast<std::int16_t>(i + 1)), surfaces[i],
                        ColourAt(options, data.series.size() + i), options, plan);
    }
    return graph;
}

}  // namespace atrium::charts::detail
