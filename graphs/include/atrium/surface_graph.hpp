#pragma once
// The surface graph: height surfaces over the cells of a grid.
#include <cstdint>
#include <memory>

#include "atrium/grid_graph.hpp"
#include "atrium/series_collection.hpp"
#include "atrium/surface_info.hpp"

namespace atrium {

// Draws any number of surfaces, one lattice point per grid cell; the grid's X and Z cell-count
// changes resize (and so reset) every surface.
class SurfaceGraph final : public GridGraph {
public:
    SurfaceGraph();

    // Surface number index. Fails outside 1..count: "Invalid surface index, surface count = " + count.
    std::shared_ptr<SurfaceInfo> GetSurface(std::int16_t index) const;
    // Number of surfaces; new ones get one point per grid cell, the last ones go first.
    std::int16_t SurfaceCount() const { return surfaces_.Count(); }
    void SetSurfaceCount(std::int16_t value);
    // The surface list itself.
    const SeriesCollection<SurfaceInfo>& Surfaces() const { return surfaces_; }

private:
    void m_gridInfo_XCellCountChanged(std::int16_t newCount);
    void m_gridInfo_ZCellCountChanged(std::int16_t newCount);
    void ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) override;

    SeriesCollection<SurfaceInfo> surfaces_;
    Subscription xCellCountChanged_;
    Subscription zCellCountChanged_;
};

}  // namespace atrium
