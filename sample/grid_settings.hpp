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
};

// The common axis style: sans labels and header in black, labels labelHeight high; a non-empty
// header 0.7 high and bold.
void StyleAxis(atrium::AxisBase& axis, float labelHeight, const std::string& header);

// Common settings: background 15591394 without fade; title sans bold 4194304 of height 1.3;
// grid walls 8404992, lines 12577510, transparency 0.5; legend billboarded with text height 0.6
// in black; axes in sans black with labels 0.4 high (Y as given) from 0 to 15 on Y; headers
// 0.7 high and bold; drill-up and both drill-downs off. Then the kind's own settings.
void ApplyGridSettings(atrium::GridGraph& graph, const GridSettings& settings);

// The pop-up settings of every sample series: text height 0.5, black text and border,
// background 11460567, switched on.
void ApplyPopupSettings(atrium::SeriesPopupInfo& popups, atrium::VRMLPopupAlignment alignment);

// Adds the one viewpoint every sample has: description, position (6, 4, 20), Euler angles (-0.05, 0.05, 0).
void AddInitialViewpoint(atrium::ViewpointCollection& viewpoints, const std::string& description);

}  // namespace atrium_test
