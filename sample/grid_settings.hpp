#pragma once
// The settings the sample grid graphs share, applied from one table per kind.
#include <string>
#include <vector>

#include "atrium/enums.hpp"
#include "atrium/grid_graph.hpp"
#include "atrium/series_popup_info.hpp"

namespace atrium_test {

// What differs between the sample grid graphs; the rest is common to all of them.
struct GridSettings {
    std::string title;
    float width, height, depth;
    std::int16_t xCells, yCells, zCells;
    atrium::LegendKeyStyle keyStyle;
    bool seriesToggle;
    std::vector<std::string> xLabels, zLabels;
    std::string xHeader, yHeader, zHeader;  // empty: no header
    float yLabelHeight;
    bool drillOff = true;  // false: drill-up and drill-downs left as the graph has them
};

// Styles an axis: sans-serif black labels of the given height; when header is not empty, that
// header 0.7 high and bold in sans-serif black.
void StyleAxis(atrium::AxisBase& axis, float labelHeight, const std::string& header);

// The settings every sample graph with a grid shares: background 15591394 without fade; title
// sans bold 4194304 of height 1.3; grid walls 8404992, lines 12577510, transparency 0.5;
// legend billboarded with text height 0.6 in black. G is any graph with those parts.
template <class G>
void ApplyFrameSettings(G& graph, const GridSettings& s) {
    graph.BackgroundProps()->SetBackgroundColor(15591394);
    graph.BackgroundProps()->SetUseBackgroundColorFade(false);

    auto title = graph.TitleProps();
    title->SetText(s.title);
    title->SetTextFont(atrium::VRMLFontFamily::VRML_SANS);
    title->SetTextStyle(atrium::VRMLFontStyle::VRML_BOLD);
    title->SetTextColor(4194304);
    title->SetTextHeight(1.3f);

    auto grid = graph.GridProps();
    grid->SetWidth(s.width);
    grid->SetHeight(s.height);
    grid->SetDepth(s.depth);
    grid->SetXAxisCellCount(s.xCells);
    grid->SetYAxisCellCount(s.yCells);
    grid->SetZAxisCellCount(s.zCells);
    grid->SetWallColor(8404992);
    grid->SetLineColor(12577510);
    grid->SetTransparency(0.5f);

    auto legend = graph.LegendProps();
    legend->SetIsBillboarded(true);
    legend->SetTextHeight(0.6f);
    legend->SetTextColor(0);
    legend->SetKeyStyle(s.keyStyle);
    legend->SetUseSeriesToggle(s.seriesToggle);
}

// The frame settings above; axes in sans black with labels 0.4 high (Y as given) from 0 to 15
// on Y; headers 0.7 high and bold; drill-up and both drill-downs off unless drillOff is false.
// Then the kind's own settings.
void ApplyGridSettings(atrium::GridGraph& graph, const GridSettings& settings);

// The pop-up settings of every sample series: text height 0.5, black text and border,
// background 11460567, switched on.
void ApplyPopupSettings(atrium::SeriesPopupInfo& popups, atrium::VRMLPopupAlignment alignment);

// Adds the one viewpoint every sample has: description, position (6, 4, 20), Euler angles (-0.05, 0.05, 0).
void AddInitialViewpoint(atrium::ViewpointCollection& viewpoints, const std::string& description);

}  // namespace atrium_test
