#include "atrium/surface_graph.hpp"

#include <string>

#include "atrium/series_layout.hpp"
#include "atrium/surface_layout.hpp"

namespace atrium {

SurfaceGraph::SurfaceGraph() {
    Assemble();
    xCellCountChanged_ = GridProps()->OnXCellCountChanged([this](std::int16_t n) { m_gridInfo_XCellCountChanged(n); });
    zCellCountChanged_ = GridProps()->OnZCellCountChanged([this](std::int16_t n) { m_gridInfo_ZCellCountChanged(n); });
}

std::shared_ptr<SurfaceInfo> SurfaceGraph::GetSurface(std::int16_t index) const {
    if (index < 1 || index > surfaces_.Count())
        holvane::Fail("Invalid surface index, surface count = " + std::to_string(surfaces_.Count()));
    return surfaces_.Get1Series(index);
}

void SurfaceGraph::SetSurfaceCount(std::int16_t value) {
    const GridInfo& grid = *GridProps();
    KeepOnePerCell<SurfaceInfo>(surfaces_, value, [&grid] {
        auto surface = std::make_shared<SurfaceInfo>();
        surface->SetXCount(grid.XAxisCellCount());
        surface->SetZCount(grid.ZAxisCellCount());
        return surface;
    });
}

void SurfaceGraph::m_gridInfo_XCellCountChanged(std::int16_t newCount) {
    for (const auto& surface : surfaces_.Items()) surface->SetXCount(newCount);
}

void SurfaceGraph::m_gridInfo_ZCellCountChanged(std::int16_t newCount) {
    for (const auto& surface : surfaces_.Items()) surface->SetZCount(newCount);
}

void SurfaceGraph::ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) {
    LayOutSurfaces(*GridProps(), *LegendProps(), surfaces_.Items(), seriesGroup, routes);
}

}  // namespace atrium
