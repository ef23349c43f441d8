#include "grid_charts.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "atrium/number_format.hpp"
#include "checks.hpp"

namespace atrium::charts::detail {

namespace {

// The widest of texts at text height h (sans-serif letters are about 0.6 h wide).
float WidestText(std::span<const std::string> texts, float h) {
    std::size_t widest = 0;
    for (const auto& t : texts) widest = std::max(widest, t.size());
    return 0.6f * h * static_cast<float>(widest);
}

}  // namespace

void CheckCategories(const CategoryData& data) {
    CheckNotEmpty(data.categories.size(), "The category list");
    CheckFits(data.categories.size(), "categories");
    CheckNotEmpty(data.series.size(), "The series list");
    CheckFits(data.series.size(), "series");
    for (const auto& s : data.series) {
        const std::string what = Named("Series", s.name);
        CheckLength(s.values.size(), data.categories.size(), what, "one per category");
        CheckFinite(s.values, what);
    }
}

void CheckSurfaces(std::span<const NamedMatrix> surfaces, std::size_t columns, std::size_t rows) {
    CheckFits(surfaces.size(), "surfaces");
    for (const auto& s : surfaces) {
        const std::string what = Named("Surface", s.name);
        const Matrix& m = s.heights;
        if (m.columns != columns || m.rows != rows)
            BadInput(what + " is " + std::to_string(m.columns) + " x " + std::to_string(m.rows) + ", expected " +
                     std::to_string(columns) + " x " + std::to_string(rows) + " (columns x rows)");
        if (columns < 2 || rows < 2) BadInput(what + " needs at least 2 x 2 values");
        CheckFits(columns, what + " columns");
        CheckFits(rows, what + " rows");
        CheckLength(m.values.size(), columns * rows, what, "columns x rows");
        CheckFinite(m.values, what);
        if (!s.popups.empty()) CheckLength(s.popups.size(), columns * rows, what + " pop-up texts", "one per value");
    }
}

Ticks YTicks(std::span<const Series> series, std::span<const NamedMatrix> surfaces, bool fromZero,
             const ChartOptions& options) {
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    auto cover = [&](const std::vector<double>& values) {
        for (double v : values) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    };
    for (const auto& s : series) cover(s.values);
    for (const auto& s : surfaces) cover(s.heights.values);
    if (fromZero) {
        lo = std::min(lo, 0.0);
        hi = std::max(hi, 0.0);
    }
    lo = options.yMin.value_or(lo);
    hi = options.yMax.value_or(hi);
    if (!std::isfinite(lo) || !std::isfinite(hi) || hi < lo) BadInput("The Y range is empty or reversed (yMin > yMax)");
    Ticks ticks = NiceTicks(lo, hi);
    if (options.yMin && options.yMax && hi > lo) {
        // The user's range exactly, cut into as many intervals as the round ticks had.
        ticks.min = lo;
        ticks.max = hi;
        ticks.step = (hi - lo) / ticks.intervals;
        ticks.decimals = DecimalsOf(ticks.step);
    }
    return ticks;
}

Box CategoryBox(std::size_t xCells, std::size_t zCells) {
    const float width = std::clamp(1.5f * static_cast<float>(xCells), 6.0f, 16.0f);
    const float depth = std::clamp(1.5f * static_cast<float>(zCells), 3.0f, 10.0f);
    return {width, std::clamp(0.55f * std::max(width, depth), 4.0f, 7.0f), depth};
}

GridPlan PlanGrid(const ChartOptions& options, const Box& chosen, const Ticks& ticks) {
    const Box box = BoxFrom(options, chosen);
    return {.box = box,
            .texts = TextsFor(box),
            .ticks = ticks,
            .scale = {ticks.min, ticks.max, box.height},
            .valuePattern = options.valueFormat.empty() ? ValuePattern(ticks.decimals) : options.valueFormat};
}

CoordinateLabels LabelCoordinates(std::span<const double> coordinates, const ChartOptions& options) {
    const std::size_t n = coordinates.size();
    CoordinateLabels result{std::vector<std::string>(n), std::max<std::size_t>(1, (n + 5) / 6)};
    const double span = std::abs(coordinates.back() - coordinates.front());
    const int decimals = span > 0 ? NiceTicks(0, span, 6).decimals : 0;
    const std::string pattern = options.valueFormat.empty() ? TickPattern(decimals) : options.valueFormat;
    for (std::size_t i = 0; i < n; i += result.every) result.labels[i] = FormatNumber(coordinates[i], pattern);
    return result;
}

void DressGrid(GridGraph& graph, const ChartOptions& options, const GridPlan& plan, std::size_t xCells,
               std::span<const std::string> zLabels, std::size_t xLabelEvery, std::size_t zLabelEvery) {
    const Box& box = plan.box;
    const TextSizes& texts = plan.texts;
    StyleFrame(graph, options, texts);
    graph.LegendProps()->SetUseSeriesToggle(options.legend);
    auto grid = graph.GridProps();
    StyleGrid(*grid, box, xCells, static_cast<std::size_t>(plan.ticks.intervals), zLabels.size());

    // Labels stand one cell apart: each keeps to 60% of the room it has.
    const float cellX = box.width / static_cast<float>(xCells) * static_cast<float>(xLabelEvery);
    const float cellY = box.height / static_cast<float>(plan.ticks.intervals);
    const float cellZ = box.depth / static_cast<float>(zLabels.size()) * static_cast<float>(zLabelEvery);
    const float xLabel = std::min(texts.label, 0.6f * cellX);
    StyleAxis(*graph.XAxisProps(), xLabel, options.xTitle, texts);
    StyleAxis(*graph.YAxisProps(), std::min(texts.label, 0.6f * cellY), options.yTitle, texts);
    const float zLabel = std::min(texts.label, 0.6f * cellZ);
    StyleAxis(*graph.ZAxisProps(), zLabel, options.zTitle, texts);
    SetTicks(*graph.YAxisProps(), plan.ticks, options);

    auto interactivity = graph.InteractivityProps();
    interactivity->SetUseDrillUp(false);
    interactivity->SetUseXAxisDrillDown(false);
    interactivity->SetUseZAxisDrillDown(false);

    // Right of the grid: the Z labels on the floor, the legend (with its check boxes) standing behind.
    const float right = std::max(0.04f * box.width + WidestText(zLabels, zLabel),
                                 0.1f * box.width + 2 * texts.legend + WidestText(zLabels, texts.legend));
    AddViewpoints(*graph.Viewpoints(), {0, 0, 0, box.width + right, box.height, box.depth + 2 * xLabel});
}

std::string FormatValue(double value, const std::string& pattern) { return FormatNumber(value, pattern); }

void FillSurface(SurfaceInfo& target, const NamedMatrix& surface, Rgb colour, const ChartOptions& options,
                 const GridPlan& plan) {
    target.SetLegendText(surface.name);
    target.Material()->DiffuseColorField()->SetRGBValue(colour);
    target.SetWireColor(Rgb(0xFFFFFF));
    StylePopups(*target.PopupProps(), options, plan.texts);
    const auto& values = surface.heights.values;
    std::vector<float> heights(values.size());
    std::ranges::transform(values, heights.begin(), plan.scale);
    if (!surface.popups.empty() || !options.popups) {
        target.SetHeights(heights, surface.popups);
        return;
    }
    std::vector<std::string> texts(values.size());
    std::ranges::transform(values, texts.begin(), [&](double v) { return FormatNumber(v, plan.valuePattern); });
    target.SetHeights(heights, texts);
}

std::vector<std::string> NamesOf(std::span<const Series> series) {
    std::vector<std::string> names;
    for (const auto& s : series) names.push_back(s.name);
    return names;
}

}  // namespace atrium::charts::detail
