#include <algorithm>
#include <map>

#include "atrium/charts/point_charts.hpp"
#include "checks.hpp"
#include "look.hpp"
#include "ticks.hpp"

namespace atrium::charts {

namespace {

using namespace detail;

void CheckScatter(const ScatterData& data) {
    const std::size_t n = data.x.size();
    CheckNotEmpty(n, "The X values");
    CheckLength(data.y.size(), n, "The Y values", "one per X value");
    CheckLength(data.z.size(), n, "The Z values", "one per X value");
    CheckFinite(data.x, "The X values");
    CheckFinite(data.y, "The Y values");
    CheckFinite(data.z, "The Z values");
    const struct {
        std::size_t size;
        const char* what;
    } optional[] = {{data.size.size(), "The sizes"},
                    {data.colour.size(), "The colours"},
                    {data.group.size(), "The groups"},
                    {data.frame.size(), "The frames"}};
    for (const auto& o : optional)
        if (o.size > 0) CheckLength(o.size, n, o.what, "none or one per point");
    CheckFinite(data.size, "The sizes");
    for (std::size_t k = 0; k < data.size.size(); ++k)
        if (data.size[k] < 0) BadInput("The sizes: value at position " + std::to_string(k) + " is negative");
    for (std::size_t k = 0; k < data.frame.size(); ++k)
        if (data.frame[k] < 0) BadInput("The frames: value at position " + std::to_string(k) + " is negative");
}

// Ticks over values (the options' Y range for Y).
Ticks AxisTicks(std::span<const double> values, std::optional<double> lo, std::optional<double> hi) {
    const auto [min, max] = std::ranges::minmax(values);
    return NiceTicks(lo.value_or(min), hi.value_or(max));
}

std::shared_ptr<ScatterGraph> BuildScatterGraph(const ScatterData& data, const ChartOptions& options) {
    CheckScatter(data);
    const std::size_t n = data.x.size();
    const std::size_t frames = data.frame.empty() ? 1 : static_cast<std::size_t>(std::ranges::max(data.frame)) + 1;
    CheckFits(frames, "frames");
    std::vector<std::size_t> perFrame(frames);
    for (std::size_t k = 0; k < n; ++k) ++perFrame[data.frame.empty() ? 0 : static_cast<std::size_t>(data.frame[k])];
    CheckFits(std::ranges::max(perFrame), "points in one frame");
    if (options.yMin && options.yMax && *options.yMin > *options.yMax) BadInput("The Y range is reversed (yMin > yMax)");

    const Box box = BoxFrom(options, {10, 7, 10});
    const TextSizes texts = TextsFor(box);
    auto graph = std::make_shared<ScatterGraph>();
    StyleFrame(*graph, options, texts);
    graph->LegendProps()->SetIsBillboarded(true);

    const struct {
        ContinuousAxis& axis;
        Ticks ticks;
        float length;
        const std::string& header;
    } axes[] = {{*graph->XAxisProps(), AxisTicks(data.x, {}, {}), box.width, options.xTitle},
                {*graph->YAxisProps(), AxisTicks(data.y, options.yMin, options.yMax), box.height, options.yTitle},
                {*graph->ZAxisProps(), AxisTicks(data.z, {}, {}), box.depth, options.zTitle}};
    StyleGrid(*graph->GridProps(), box, static_cast<std::size_t>(axes[0].ticks.intervals),
              static_cast<std::size_t>(axes[1].ticks.intervals), static_cast<std::size_t>(axes[2].ticks.intervals));
    for (const auto& a : axes) {
        StyleAxis(a.axis, std::min(texts.label, 0.6f * a.length / static_cast<float>(a.ticks.intervals)), a.header,
                  texts);
        SetTicks(a.axis, a.ticks, options);
    }
    const ValueScale sx{axes[0].ticks.min, axes[0].ticks.max, box.width};
    const ValueScale sy{axes[1].ticks.min, axes[1].ticks.max, box.height};
    const ValueScale sz{axes[2].ticks.min, axes[2].ticks.max, box.depth};

    // Groups in the order they first appear, each with its colour and legend entry.
    std::map<std::string, Rgb> groupColours;
    for (const auto& g : data.group)
        if (groupColours.try_emplace(g, ColourAt(options, groupColours.size())).second && options.legend)
            graph->LegendProps()->AddLegendEntry(groupColours.at(g), g);

    graph->SetPointFrameCount(static_cast<std::int16_t>(frames));
    graph->SetPointAnimationStyle(AnimationStyle::VRML_DISCRETE);
    for (std::size_t f = 0; f < frames; ++f)
        graph->Get1PointFrame(static_cast<std::int16_t>(f + 1))
            ->SetDescription(f < data.frameLabels.size() ? data.frameLabels[f] : std::to_string(f + 1));
    const float radius = 0.012f * std::max(box.width, box.depth);
    for (std::size_t k = 0; k < n; ++k) {
        const Rgb colour = !data.colour.empty() ? data.colour[k]
                           : !data.group.empty() ? groupColours.at(data.group[k])
                                                 : ColourAt(options, 0);
        const auto frame = static_cast<std::int16_t>(data.frame.empty() ? 1 : data.frame[k] + 1);
        graph->Get1PointFrame(frame)->AddPoint(sx(data.x[k]), sy(data.y[k]), sz(data.z[k]),
                                               radius * static_cast<float>(data.size.empty() ? 1 : data.size[k]),
                                               colour, 0);
    }
    AddViewpoints(*graph->Viewpoints(), {0, 0, 0, 1.5f * box.width, box.height, box.depth});
    return graph;
}

}  // namespace

ScatterChart::ScatterChart(const ScatterData& data, const ChartOptions& options)
    : ChartOf(BuildScatterGraph(data, options)) {}

}  // namespace atrium::charts
