#pragma once
// The skeleton shared by the six grid graphs (area, column, ribbon, surface and the two
// combination graphs): their parts, their root, and the export that brings them up to date.
#include <memory>
#include <string>

#include "atrium/background_info.hpp"
#include "atrium/continuous_axis.hpp"
#include "atrium/discrete_axis.hpp"
#include "atrium/graph.hpp"
#include "atrium/grid_info.hpp"
#include "atrium/grid_interactivity_info.hpp"
#include "atrium/legend_info.hpp"
#include "atrium/light_collection.hpp"
#include "atrium/text_info.hpp"
#include "atrium/viewpoint_collection.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A graph drawn in a grid box with discrete X and Z axes and a numeric Y axis. A kind adds its
// own collection (created between the axes and the interactivity part), its series step and its
// reaction to the grid's cell-count events.
//
// Root children, in order: background, title, grid, legend, X axis, Y axis, Z axis,
// interactivity, viewpoints, lights, then the kind's series group (and the combination graphs'
// surface group).
class GridGraph : public Graph {
public:
    std::shared_ptr<BackgroundInfo> BackgroundProps() const { return background_; }
    std::shared_ptr<GridInfo> GridProps() const { return grid_; }
    std::shared_ptr<TextInfo> TitleProps() const { return title_; }
    std::shared_ptr<LegendInfo> LegendProps() const { return legend_; }
    // Categories along X.
    std::shared_ptr<DiscreteAxis> XAxisProps() const { return xAxis_; }
    // Values along Y.
    std::shared_ptr<ContinuousAxis> YAxisProps() const { return yAxis_; }
    // Series names along Z.
    std::shared_ptr<DiscreteAxis> ZAxisProps() const { return zAxis_; }
    // Drill-up and drill-down cones.
    std::shared_ptr<GridInteractivityInfo> InteractivityProps() const { return interactivity_; }
    std::shared_ptr<ViewpointCollection> Viewpoints() const { return viewpoints_; }
    std::shared_ptr<LightCollection> Lights() const { return lights_; }

protected:
    // Creates background, grid, title, legend and the three axes, in that order.
    GridGraph();
    // Creates interactivity, viewpoints and lights, the root and the series group, and the
    // routes; a kind calls it once its own collection exists. A lastGroup joins the root after
    // the series group; the kind keeps it up to date in its series step.
    void Assemble(std::shared_ptr<holvane::Group> lastGroup = nullptr);

    // The kind's series step: the legend and the series group are already empty; lay out each
    // item, append it to the group, enter it in the legend and add its routes.
    virtual void ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) = 0;

private:
    // Places title and legend, lays out axes, series and interactivity.
    void PrepareExport(holvane::RouteCollection& routes) final;

    std::shared_ptr<BackgroundInfo> background_;
    std::shared_ptr<GridInfo> grid_;
    std::shared_ptr<TextInfo> title_;
    std::shared_ptr<LegendInfo> legend_;
    std::shared_ptr<DiscreteAxis> xAxis_;
    std::shared_ptr<ContinuousAxis> yAxis_;
    std::shared_ptr<DiscreteAxis> zAxis_;
    std::shared_ptr<GridInteractivityInfo> interactivity_;
    std::shared_ptr<ViewpointCollection> viewpoints_;
    std::shared_ptr<LightCollection> lights_;
    std::shared_ptr<holvane::Group> seriesGroup_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
