#pragma once
// The density graph: smoothed densities of point sets, drawn as surfaces over a grid.
#include <cstdint>
#include <memory>

#include "atrium/background_info.hpp"
#include "atrium/continuous_axis.hpp"
#include "atrium/density_surface_info.hpp"
#include "atrium/drill_up_info.hpp"
#include "atrium/graph.hpp"
#include "atrium/grid_info.hpp"
#include "atrium/legend_info.hpp"
#include "atrium/light_collection.hpp"
#include "atrium/series_collection.hpp"
#include "atrium/text_info.hpp"
#include "atrium/viewpoint_collection.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Each surface is the density of its points on a lattice of three points per grid cell each
// way, scaled to the grid's height at export. All three axes are numeric.
//
// Root children, in order: background, title, grid, legend, X, Y and Z axes, viewpoints,
// lights, the surfaces group, then the drill-up cone once it is first used.
class DensityGraph final : public Graph {
public:
    DensityGraph();

    std::shared_ptr<BackgroundInfo> BackgroundProps() const { return background_; }
    std::shared_ptr<TextInfo> TitleProps() const { return title_; }
    std::shared_ptr<GridInfo> GridProps() const { return grid_; }
    std::shared_ptr<LegendInfo> LegendProps() const { return legend_; }
    std::shared_ptr<ContinuousAxis> XAxisProps() const { return xAxis_; }
    std::shared_ptr<ContinuousAxis> YAxisProps() const { return yAxis_; }
    std::shared_ptr<ContinuousAxis> ZAxisProps() const { return zAxis_; }
    std::shared_ptr<DrillUpInfo> DrillUpProps() const { return drillUp_; }
    std::shared_ptr<ViewpointCollection> Viewpoints() const { return viewpoints_; }
    std::shared_ptr<LightCollection> Lights() const { return lights_; }

    // Surface number index. Fails outside 1..count:
    // "Invalid density surface index, surface count = " + count.
    std::shared_ptr<DensitySurfaceInfo> GetSurface(std::int16_t index) const;
    // Number of surfaces; new ones are appended, the last ones go first.
    std::int16_t SurfaceCount() const { return surfaces_.Count(); }
    void SetSurfaceCount(std::int16_t value);
    // Kernel width given to every surface at export; 0.8 at first. Fails unless > 0:
    // "Invalid sigma value, must be greater than 1" (values between 0 and 1 are accepted).
    float Sigma() const { return sigma_; }
    void SetSigma(float value);
    // Whether the drill-up cone is shown; false at first.
    bool UseDrillUp() const { return useDrillUp_; }
    void SetUseDrillUp(bool value) { useDrillUp_ = value; }

private:
    void PrepareExport(holvane::RouteCollection& routes) override;
    // Numeric X and Z axes, one label per grid line.
    void LayOutAxes();
    // Lattice, density and legend entry of every surface.
    void LayOutSurfaces(holvane::RouteCollection& routes);

    std::shared_ptr<BackgroundInfo> background_;
    std::shared_ptr<TextInfo> title_;
    std::shared_ptr<GridInfo> grid_;
    std::shared_ptr<LegendInfo> legend_;
    std::shared_ptr<ContinuousAxis> xAxis_;
    std::shared_ptr<ContinuousAxis> yAxis_;
    std::shared_ptr<ContinuousAxis> zAxis_;
    std::shared_ptr<DrillUpInfo> drillUp_;
    std::shared_ptr<ViewpointCollection> viewpoints_;
    std::shared_ptr<LightCollection> lights_;
    std::shared_ptr<holvane::Group> surfacesGroup_;
    SeriesCollection<DensitySurfaceInfo> surfaces_;
    float sigma_ = 0.8f;
    bool useDrillUp_ = false;
    bool drillUpAttached_ = false;
};

}  // namespace atrium
ATRIUM_EXPORT_END
