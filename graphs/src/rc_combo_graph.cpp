#include "atrium/rc_combo_graph.hpp"

#include "series_layout.hpp"

namespace atrium {

RCComboGraph::RCComboGraph() {
    Assemble();
    zCellCountChanged_ = GridProps()->OnZCellCountChanged([this](std::int16_t n) { m_gridInfo_ZCellCountChanged(n); });
}

std::shared_ptr<RibbonSeriesInfo> RCComboGraph::GetSeries(std::int16_t index) const {
    return GetSeriesAt(series_, index);
}

void RCComboGraph::m_gridInfo_ZCellCountChanged(std::int16_t newCount) {
    KeepOnePerCell(series_, *GridProps(), newCount);
}

float RCComboGraph::ExportComboSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) {
    LayOutSeriesInCells(*GridProps(), *LegendProps(), series_.Items(), seriesGroup, routes);
    return DeepestOf(series_.Items());
}

}  // namespace atrium
