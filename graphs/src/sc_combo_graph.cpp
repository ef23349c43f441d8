#include "atrium/sc_combo_graph.hpp"

#include "column_slots.hpp"

namespace atrium {

SCComboGraph::SCComboGraph() : slots_(std::make_unique<ColumnSlots>(GridProps())) {
    Assemble();
    slots_->SetColumnsPerCell(1);
    zCellCountChanged_ = GridProps()->OnZCellCountChanged([this](std::int16_t n) { slots_->KeepOnePerCell(n); });
}

SCComboGraph::~SCComboGraph() = default;

std::shared_ptr<ColumnSeriesInfo> SCComboGraph::GetSeries(std::int16_t index, std::int16_t cellIndex) const {
    return slots_->GetSeries(index, cellIndex);
}
ColumnCellSpacing SCComboGraph::ColumnSpacingStyle() const { return slots_->ColumnSpacingStyle(); }
void SCComboGraph::SetColumnSpacingStyle(ColumnCellSpacing value) { slots_->SetColumnSpacingStyle(value); }
std::int16_t SCComboGraph::ColumnsPerCell() const { return slots_->ColumnsPerCell(); }
void SCComboGraph::SetColumnsPerCell(std::int16_t value) { slots_->SetColumnsPerCell(value); }

float SCComboGraph::ExportComboSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) {
    slots_->LayOut(*LegendProps(), seriesGroup, routes);
    float deepest = 0;
    for (const auto& slot : slots_->Slots().Items()) deepest = DeepestOf(slot->Items(), deepest);
    return deepest;
}

}  // namespace atrium
