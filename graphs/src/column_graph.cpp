#include "atrium/column_graph.hpp"

#include "column_slots.hpp"

namespace atrium {

ColumnGraph::ColumnGraph() : slots_(std::make_unique<ColumnSlots>(GridProps())) {
    Assemble();
    slots_->SetColumnsPerCell(1);
    zCellCountChanged_ = GridProps()->OnZCellCountChanged([this](std::int16_t n) { m_gridInfo_ZCellCountChanged(n); });
}

ColumnGraph::~ColumnGraph() = default;

std::shared_ptr<ColumnSeriesInfo> ColumnGraph::GetSeries(std::int16_t index, std::int16_t cellIndex) const {
    return slots_->GetSeries(index, cellIndex);
}
ColumnCellSpacing ColumnGraph::ColumnSpacingStyle() const { return slots_->ColumnSpacingStyle(); }
void ColumnGraph::SetColumnSpacingStyle(ColumnCellSpacing value) { slots_->SetColumnSpacingStyle(value); }
std::int16_t ColumnGraph::ColumnsPerCell() const { return slots_->ColumnsPerCell(); }
void ColumnGraph::SetColumnsPerCell(std::int16_t value) { slots_->SetColumnsPerCell(value); }

void ColumnGraph::m_gridInfo_ZCellCountChanged(std::int16_t newCount) { slots_->KeepOnePerCell(newCount); }
void ColumnGraph::ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) {
    slots_->LayOut(*LegendProps(), seriesGroup, routes);
}

}  // namespace atrium
