#pragma once
// The skeleton shared by the six grid graphs (area, column, ribbon, surface and the two
// combination graphs): their parts, their root, and the export that brings them up to date.
#include <memory>
#include <string>

#include "atrium/background_info.hpp"
#include "atrium/continuous_axis.hpp"
#include "atrium/discrete_axis.hpp"
#include "atrium/grid_info.hpp"
#include "atrium/grid_interactivity_info.hpp"
#include "atrium/legend_info.hpp"
#include "atrium/light_collection.hpp"
#include "atrium/scene_root.hpp"
#include "atrium/text_info.hpp"
#include "atrium/viewpoint_collection.hpp"
#include "holvane/routes.hpp"
#include "holvane/standard_nodes.hpp"

namespace atrium {

// A graph drawn in a grid box with discrete X and Z axes and a numeric Y axis. A kind adds its
// own collection (created between the axes and the interactivity part), its series step and its
// reaction to the grid's cell-count events.
//
// Root children, in order: background, title, grid, legend, X axis, Y axis, Z axis,
// interactivity, viewpoints, lights, then the kind's series group.
class GridGraph : public IAtriumGraph {
public:
    GridGraph(const GridGraph&) = delete;
    GridGraph& operator=(const GridGraph&) = delete;

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

    // Brings the scene up to date and writes it to fName (unchanged: no extension is added, no
    // folder made), replacing any file there atomically. False when the file cannot be written;
    // errors of the parts and of the world (a bad route, a value that is not finite) raise.
    bool ExportToFile(const std::string& fName);
    // Brings the scene up to date and returns the world; line breaks and TAB indentation only
    // when the flags say so.
    std::string ExportToString(bool includeBreaks, bool includeTabs);

    // The root Transform; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }

protected:
    // Creates background, grid, title, legend and the three axes, in that order.
    GridGraph();
    // Creates interactivity, viewpoints and lights, the root and the series group, and the
    // routes; a kind calls it once its own collection exists.
    void Assemble();

    // The kind's series step: the legend and the series group are already empty; lay out each
    // item, append it to the group, enter it in the legend and add its routes.
    virtual void ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) = 0;

private:
    // Clears the routes, places title and legend, lays out axes, series and interactivity.
    void Update();

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
    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::Group> seriesGroup_;
    std::shared_ptr<holvane::RouteCollection> routes_;
};

}  // namespace atrium
