#pragma once
// The column graph: rows of columns, several column slots side by side in every X cell.
#include <memory>

#include "atrium/column_slots.hpp"
#include "atrium/grid_graph.hpp"

namespace atrium {

// Draws each series as a row of columns in its own Z cell; every column slot has its own
// series, one per Z cell. A new graph has one slot with one series of depth 0.5.
class ColumnGraph final : public GridGraph {
public:
    ColumnGraph();

    // Series index (its Z cell) of column slot cellIndex; see ColumnSlots::GetSeries.
    std::shared_ptr<ColumnSeriesInfo> GetSeries(std::int16_t index, std::int16_t cellIndex = 1) const {
        return slots_.GetSeries(index, cellIndex);
    }
    // How the slots share an X cell; EVENLY_SPACED at first.
    ColumnCellSpacing ColumnSpacingStyle() const { return slots_.ColumnSpacingStyle(); }
    void SetColumnSpacingStyle(ColumnCellSpacing value) { slots_.SetColumnSpacingStyle(value); }
    // Number of column slots per X cell; 1 at first. Fails below 1:
    // "The number of columns per cell must be greater than or equal to 1".
    std::int16_t ColumnsPerCell() const { return slots_.ColumnsPerCell(); }
    void SetColumnsPerCell(std::int16_t value) { slots_.SetColumnsPerCell(value); }
    // The slots and their series.
    const ColumnSlots& Slots() const { return slots_; }

private:
    // Keeps one series per Z cell in every slot.
    void m_gridInfo_ZCellCountChanged(std::int16_t newCount) { slots_.KeepOnePerCell(newCount); }
    void ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) override {
        slots_.LayOut(*LegendProps(), seriesGroup, routes);
    }

    ColumnSlots slots_;
    Subscription zCellCountChanged_;
};

}  // namespace atrium
