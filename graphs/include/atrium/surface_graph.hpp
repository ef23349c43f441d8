#pragma once
// The surface graph: height surfaces over the cells of a grid.
#include <cstdint>
#include <memory>

#include "atrium/grid_graph.hpp"
#include "atrium/surface_list.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Draws any number of surfaces, one lattice point per grid cell; the grid's X and Z cell-count
// changes resize (and so reset) every surface.
class SurfaceGraph final : public GridGraph {
public:
    SurfaceGraph();

    // Surface number index; see SurfaceList::GetSurface.
    std::shared_ptr<SurfaceInfo> GetSurface(std::int16_t index) const { return surfaces_.GetSurface(index); }
    // Number of surfaces; new ones get one point per grid cell, the last ones go first.
    std::int16_t SurfaceCount() const { return surfaces_.SurfaceCount(); }
    void SetSurfaceCount(std::int16_t value) { surfaces_.SetSurfaceCount(value); }
    // The surface list itself.
    const SeriesCollection<SurfaceInfo>& Surfaces() const { return surfaces_.Surfaces(); }

private:
    void m_gridInfo_XCellCountChanged(std::int16_t newCount);
    void m_gridInfo_ZCellCountChanged(std::int16_t newCount);
    void ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) override;

    SurfaceList surfaces_;
    Subscription xCellCountChanged_;
    Subscription zCellCountChanged_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
