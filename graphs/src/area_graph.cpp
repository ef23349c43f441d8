#include "atrium/area_graph.hpp"

#include "atrium/series_layout.hpp"

namespace atrium {

AreaGraph::AreaGraph() {
    series_.ClearSeries();
    Assemble();
    zCellCountChanged_ = GridProps()->OnZCellCountChanged([this](std::int16_t n) { m_gridInfo_ZCellCountChanged(n); });
}

std::shared_ptr<AreaSeriesInfo> AreaGraph::GetSeries(std::int16_t index) const {
    if (index < 1 || index > series_.Count())
        holvane::Fail("Invalid series index, series count = " + std::to_string(series_.Count()));
    return series_.Get1Series(index);
}

void AreaGraph::m_gridInfo_ZCellCountChanged(std::int16_t newCount) {
    float cellDepth = GridProps()->Depth() / static_cast<float>(GridProps()->ZAxisCellCount());
    KeepOnePerCell<AreaSeriesInfo>(series_, newCount, [cellDepth] {
        auto series = std::make_shared<AreaSeriesInfo>();
        series->SetDepth(cellDepth / 2);
        return series;
    });
}

void AreaGraph::ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) {
    LayOutSeriesInCells(*GridProps(), *LegendProps(), series_.Items(), seriesGroup, routes);
}

}  // namespace atrium
