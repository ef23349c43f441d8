#pragma once
// The look every chart shares, chosen from the size of its box: text sizes, colours, the
// title, legend and background, axis styling, pop-ups and the two viewpoints.
#include <cstddef>
#include <string>

#include "atrium/charts/chart_options.hpp"
#include "atrium/continuous_axis.hpp"
#include "atrium/discrete_axis.hpp"
#include "atrium/grid_info.hpp"
#include "atrium/legend_info.hpp"
#include "atrium/rgb.hpp"
#include "atrium/text_info.hpp"
#include "atrium/background_info.hpp"
#include "atrium/viewpoint_collection.hpp"
#include "ticks.hpp"

namespace atrium::charts::detail {

// The chart box in scene units.
struct Box {
    float width;
    float height;
    float depth;
};

// Text sizes of a chart: labels, axis headers, title, legend and pop-ups.
struct TextSizes {
    float label;
    float header;
    float title;
    float legend;
    float popup;
};

// Text (black) and pop-up background colours of every chart.
inline constexpr Rgb kInk = 0x202020;
inline constexpr Rgb kPopupBackground = 0xFFF8DC;

// The box the options ask for, where they give a size, else `chosen`.
Box BoxFrom(const ChartOptions& options, Box chosen);

// Text sizes readable from the viewpoints of a box of that size.
TextSizes TextsFor(const Box& box);

// Colour number i of the options' colours, or of the palette; both cycle.
Rgb ColourAt(const ChartOptions& options, std::size_t i);

// Background, title and legend text as every chart shows them. G is any graph with those parts.
template <class G>
void StyleFrame(G& graph, const ChartOptions& options, const TextSizes& texts) {
    graph.BackgroundProps()->SetBackgroundColor(options.background);
    auto title = graph.TitleProps();
    title->SetText(options.title);
    title->SetTextFont(VRMLFontFamily::VRML_SANS);
    title->SetTextStyle(VRMLFontStyle::VRML_BOLD);
    title->SetTextColor(kInk);
    title->SetTextHeight(texts.title);
    auto legend = graph.LegendProps();
    legend->SetTextHeight(texts.legend);
    legend->SetTextColor(kInk);
}

// Grid size, cell counts and the light walls and lines of every chart.
void StyleGrid(GridInfo& grid, const Box& box, std::size_t xCells, std::size_t yCells, std::size_t zCells);

// Axis text in sans-serif ink: labels of labelHeight, the header (when not empty) bold.
void StyleAxis(AxisBase& axis, float labelHeight, const std::string& header, const TextSizes& texts);

// A numeric axis over the ticks: min, max and the tick label pattern (the options' value
// format when given).
void SetTicks(ContinuousAxis& axis, const Ticks& ticks, const ChartOptions& options);

// Pop-up look (text height, ink on a light background, ink border), switched on as the options say.
template <class P>
void StylePopups(P& popups, const ChartOptions& options, const TextSizes& texts) {
    popups.SetTextHeight(texts.popup);
    popups.SetTextColor(kInk);
    popups.SetBorderColor(kInk);
    popups.SetBackgroundColor(kPopupBackground);
    popups.SetUsePopups(options.popups);
}

// The corners of what a chart shows (box, labels, legend) in scene units.
struct Extent {
    float x0, y0, z0, x1, y1, z1;
};

// Two viewpoints that frame the extent: "Front" from above and in front (bound first, so the
// floor labels read well), and "Top" from high above.
void AddViewpoints(ViewpointCollection& viewpoints, const Extent& extent);

}  // namespace atrium::charts::detail
