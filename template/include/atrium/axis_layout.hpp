#pragma once
// Fits the axes of a grid graph to its grid at export: discrete X and Z axes, a continuous Y
// axis. Every graph with this axis set (area, column, ribbon, surface and the two combination
// graphs) calls LayOutAxes once per export, after the host has filled the axes.
#include "atrium/continuous_axis.hpp"
#include "atrium/discrete_axis.hpp"
#include "atrium/grid_info.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// X axis, one label per X cell just outside the grid at z = Depth. With c = Width /
// XAxisCellCount: LabelCount := XAxisCellCount, RIGHT_ALIGN, LabelTextGap := c; root
// translation x = c/2 - LabelHeight/2, z = 1.02 x Depth (y kept); rotation from the Euler
// angles (-1.5708, 1.5708, 0); AlignHeader.
void LayOutXAxis(const GridInfo& grid, DiscreteAxis& axis);

// Y axis, one label per horizontal grid line from the top line down. With c = Height /
// YAxisCellCount: Count := YAxisCellCount + 1, RIGHT_ALIGN, Order := MAX_TO_MIN,
// LabelTextGap := c; root translation x = -0.02 x Width, y = Height + LabelHeight/2,
// z = 1.02 x Depth; rotation from the Euler angles (0, 0.7854, 0); AlignHeader.
// A grid of 32767 Y cells needs 32768 labels, more than Count holds: holvane::kOverflow is
// raised before the axis changes.
void LayOutYAxis(const GridInfo& grid, ContinuousAxis& axis);

// Z axis, one label per Z cell just outside the grid at x = Width. With c = Depth /
// ZAxisCellCount: LabelCount := ZAxisCellCount, LEFT_ALIGN, LabelTextGap := c; root
// translation x = 1.02 x Width, z = c/2 - LabelHeight/2 (y kept); rotation from the Euler
// angles (-1.5708, 0, 0); AlignHeader.
void LayOutZAxis(const GridInfo& grid, DiscreteAxis& axis);

// The three above in the export order: X, then Y, then Z. Errors stop the layout at that axis.
void LayOutAxes(const GridInfo& grid, DiscreteAxis& xAxis, ContinuousAxis& yAxis, DiscreteAxis& zAxis);

}  // namespace atrium
ATRIUM_EXPORT_END
