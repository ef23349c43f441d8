#include "atrium/surface_graph.hpp"

#include "surface_layout.hpp"

namespace atrium {

SurfaceGraph::SurfaceGraph() : surfaces_(GridProps()) {
    Assemble();
    xCellCountChanged_ = GridProps()->OnXCellCountChanged([this](std::int16_t n) { m_gridInfo_XCellCountChanged(n); });
    zCellCountChanged_ = GridProps()->OnZCellCountChanged([this](std::int16_t n) { m_gridInfo_ZCellCountChanged(n); });
}

void SurfaceGraph::m_gridInfo_XCellCountChanged(std::int16_t newCount) {
    for (const auto& surface : surfaces_.Surfaces().Items()) surface->SetXCount(newCount);
}

void SurfaceGraph::m_gridInfo_ZCellCountChanged(std::int16_t newCount) {
    for (const auto& surface : surfaces_.Surfaces().Items()) surface->SetZCount(newCount);
}

void SurfaceGraph::ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) {
    LayOutSurfaces(*GridProps(), *LegendProps(), surfaces_.Surfaces().Items(), seriesGroup, routes);
}

}  // namespace atrium
