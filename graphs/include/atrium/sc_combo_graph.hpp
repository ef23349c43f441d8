#pragma once
// The surface/column combination graph: the column graph's columns under surfaces.
#include <memory>

#include "atrium/column_slots.hpp"
#include "atrium/surface_combo_graph.hpp"

namespace atrium {

// Column slots as in the column graph (one slot with one series per Z cell at first) and any
// number of surfaces over the same cells.
class SCComboGraph final : public SurfaceComboGraph {
public:
    SCComboGraph();

    // Series index (its Z cell) of column slot cellIndex; see ColumnSlots::GetSeries.
    std::shared_ptr<ColumnSeriesInfo> GetSeries(std::int16_t index, std::int16_t cellIndex = 1) const {
        return slots_.GetSeries(index, cellIndex);
    }
    // How the slots share an X cell; EVENLY_SPACED at first.
    ColumnCellSpacing ColumnSpacingStyle() const { return slots_.ColumnSpacingStyle(); }
    void SetColumnSpacingStyle(ColumnCellSpacing value) { slots_.SetColumnSpacingStyle(value); }
    // Number of column slots per X cell; 1 at first; see ColumnSlots::SetColumnsPerCell.
    std::int16_t ColumnsPerCell() const { return slots_.ColumnsPerCell(); }
    void SetColumnsPerCell(std::int16_t value) { slots_.SetColumnsPerCell(value); }
    // The slots and their series.
    const ColumnSlots& Slots() const { return slots_; }

private:
    float ExportComboSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) override;

    ColumnSlots slots_;
    Subscription zCellCountChanged_;
};

}  // namespace atrium
