#pragma once
// The surface step of the surface graph and of the combination graphs that hold surfaces.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "atrium/grid_info.hpp"
#include "atrium/legend_info.hpp"
#include "atrium/surface_info.hpp"
#include "holvane/routes.hpp"
#include "holvane/standard_nodes.hpp"

namespace atrium {

// Lays out surfaces over the grid's cells for export, leaving their lattice sizes alone: with
// w = Width / XAxisCellCount and d = Depth / ZAxisCellCount, surface i gets spacings w and d,
// its root at (w / 2, 0.01, d / 2) so point (1, 1) sits over the first cell's centre, pop-up
// radius 0.15 x d and, when given, the pop-up offset; it joins the group and the legend (its
// toggle named "SURFACE_" + i). Legend check boxes are counted from firstCheckBox, one per
// surface when the legend shows them; returns the number of the next box.
int LayOutSurfaces(const GridInfo& grid, LegendInfo& legend, const std::vector<std::shared_ptr<SurfaceInfo>>& surfaces,
                   holvane::Group& group, holvane::RouteCollection& routes, int firstCheckBox = 1,
                   std::optional<float> popupZOffset = std::nullopt);

}  // namespace atrium
