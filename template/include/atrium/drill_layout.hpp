#pragma once
// Places the drill-up cone and the drill-down rows of a grid graph at export and adds the routes
// that make a click on drill-down cone i follow link i. Every grid graph calls
// LayOutInteractivity once per export, after its series (or surfaces), with its route
// collection already cleared for that export.
#include "atrium/drill_down_info.hpp"
#include "atrium/drill_up_info.hpp"
#include "atrium/grid_info.hpp"
#include "atrium/grid_interactivity_info.hpp"
#include "holvane/export.hpp"
#include "holvane/routes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Drill-up cone beside the grid's far corner: root translation (Width, 0.55 x ConeHeight, Depth).
void LayOutDrillUp(const GridInfo& grid, DrillUpInfo& drillUp);

// One cone per X cell along the front edge. With w = Width / XAxisCellCount: Count :=
// XAxisCellCount, Spacing := w; root translation (w/2, 0.55 x ConeHeight, Depth); DEF names
// "X_AXIS_DRILL_DOWN" (cone collection) and "X_AXIS_ROUTER" (router); adds the route
// cone collection "mouseClickedIndex" -> router "set_linkIndex".
void LayOutXAxisDrillDown(const GridInfo& grid, DrillDownInfo& drillDown, holvane::RouteCollection& routes);

// One cone per Z cell along the right edge. With d = Depth / ZAxisCellCount: Count :=
// ZAxisCellCount, Spacing := d; root translation (Width, 0.55 x ConeHeight, d/2) and rotation
// about (0, 1, 0) by -1.5708, so the row runs along +z; DEF names "Z_AXIS_DRILL_DOWN" and
// "Z_AXIS_ROUTER"; adds the same route.
void LayOutZAxisDrillDown(const GridInfo& grid, DrillDownInfo& drillDown, holvane::RouteCollection& routes);

// The steps above whose switch is on, in the order drill-up, X drill-down, Z drill-down.
void LayOutInteractivity(const GridInfo& grid, GridInteractivityInfo& interactivity,
                         holvane::RouteCollection& routes);

}  // namespace atrium
ATRIUM_EXPORT_END
