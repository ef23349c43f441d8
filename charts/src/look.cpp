#include "look.hpp"

#include <algorithm>
#include <cmath>


namespace atrium::charts::detail {

Box BoxFrom(const ChartOptions& options, Box chosen) {
    if (options.width > 0) chosen.width = options.width;
    if (options.height > 0) chosen.height = options.height;
    if (options.depth > 0) chosen.depth = options.depth;
    return chosen;
}

TextSizes TextsFor(const Box& box) {
    const float base = 0.045f * std::max({box.width, box.depth, box.height * 1.5f});
    return {.label = base, .header = 1.15f * base, .title = 1.8f * base, .legend = base, .popup = base};
}

Rgb ColourAt(const ChartOptions& options, std::size_t i) {
    const auto& colours = options.colours.empty() ? Palette() : options.colours;
    return colours[i % colours.size()];
}

void StyleGrid(GridInfo& grid, const Box& box, std::size_t xCells, std::size_t yCells, std::size_t zCells) {
    grid.SetWidth(box.width);
    grid.SetHeight(box.height);
    grid.SetDepth(box.depth);
    grid.SetXAxisCellCount(static_cast<std::int16_t>(xCells));
    grid.SetYAxisCellCount(static_cast<std::int16_t>(yCells));
    grid.SetZAxisCellCount(static_cast<std::int16_t>(zCells));
    grid.SetWallColor(Rgb(0xE8ECF2));
    grid.SetLineColor(Rgb(0x9AA4B2));
    grid.SetTransparency(0.3f);
}

void StyleAxis(AxisBase& axis, float labelHeight, const std::string& header, const TextSizes& texts) {
    axis.SetLabelFont(VRMLFontFamily::VRML_SANS);
    axis.SetLabelColor(kInk);
    axis.SetLabelHeight(labelHeight);
    axis.SetHeaderFont(VRMLFontFamily::VRML_SANS);
    axis.SetHeaderStyle(VRMLFontStyle::VRML_BOLD);
    axis.SetHeaderColor(kInk);
    axis.SetHeaderHeight(texts.header);
    if (!header.empty()) axis.SetHeader(header);
}

void SetTicks(ContinuousAxis& axis, const Ticks& ticks, const ChartOptions& options) {
    axis.SetNumericFormat(options.valueFormat.empty() ? TickPattern(ticks.decimals) : options.valueFormat);
    axis.SetMin(static_cast<float>(ticks.min));
    axis.SetMax(static_cast<float>(ticks.max));
}

void AddViewpoints(ViewpointCollection& viewpoints, const Extent& e) {
    // The sphere around the extent, seen with the browser's 45 degree field of view.
    const float cx = (e.x0 + e.x1) / 2, cy = (e.y0 + e.y1) / 2, cz = (e.z0 + e.z1) / 2;
    const float radius = 0.5f * std::hypot(e.x1 - e.x0, e.y1 - e.y0, e.z1 - e.z0);
    const float distance = radius / std::tan(0.3927f);
    const struct {
        const char* name;
        float pitch;
    } views[] = {{"Front", -0.5f}, {"Top", -1.3f}};
    for (const auto& v : views) {
        auto viewpoint = viewpoints.AddViewpoint();
        viewpoint->DescriptionField()->SetValue(v.name);
        viewpoint->PositionField()->SetValues(cx, cy + distance * std::sin(-v.pitch), cz + distance * std::cos(v.pitch));
        viewpoint->OrientationField()->SetEulerValues(v.pitch, 0, 0);
    }
}

}  // namespace atrium::charts::detail
