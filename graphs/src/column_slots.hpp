#pragma once
// The column series of a graph with columns: column slots side by side in every X cell, each
// slot with one series per Z cell. The column graph holds one, and so does the surface/column
// combination graph.
#include <cstdint>
#include <memory>

#include "atrium/column_series_info.hpp"
#include "atrium/grid_info.hpp"
#include "atrium/legend_info.hpp"
#include "atrium/series_collection.hpp"
#include "holvane/routes.hpp"
#include "holvane/standard_nodes.hpp"

namespace atrium {

// ColumnsPerCell slots, slot j holding its series 1 to the grid's Z cell count in Z order.
// Starts with no slot; the graph sets ColumnsPerCell to 1 once it is assembled. New series get
// half a Z cell's depth. Validation failures raise holvane::kObjectError and change nothing.
class ColumnSlots {
public:
    explicit ColumnSlots(std::shared_ptr<const GridInfo> grid) : grid_(std::move(grid)) {}

    // Series index (its Z cell) of slot cellIndex. Fails for a cellIndex outside
    // 1..ColumnsPerCell with "Invalid cell index, there are currently " + ColumnsPerCell +
    // " column(s) in each cell", then for an index outside the slot with
    // "Invalid series index, series count = " + the slot's count.
    std::shared_ptr<ColumnSeriesInfo> GetSeries(std::int16_t index, std::int16_t cellIndex = 1) const;
    // Number of slots. Setting n adds slots (each filled with one series per Z cell) or removes
    // the last ones. Fails below 1: "The number of columns per cell must be greater than or equal to 1".
    std::int16_t ColumnsPerCell() const { return slots_.Count(); }
    void SetColumnsPerCell(std::int16_t value);
    // EVENLY_SPACED at first; stored as given, and any value but EVENLY_SPACED lays out ADJACENT.
    ColumnCellSpacing ColumnSpacingStyle() const { return spacing_; }
    void SetColumnSpacingStyle(ColumnCellSpacing value) { spacing_ = value; }
    // Keeps n series in every slot (the reaction to the grid's Z cell count).
    void KeepOnePerCell(std::int16_t n);
    // The column series step: every slot's series laid out in their Z cells at the slot's x,
    // entered in the legend in slot order; the toggle of series i of slot j is named
    // "SERIES_TOGGLE_j_i" and the check box that switches it "CHECK_BOX_j_i".
    void LayOut(LegendInfo& legend, holvane::Group& group, holvane::RouteCollection& routes) const;
    // The slots themselves.
    const SeriesCollection<SeriesCollection<ColumnSeriesInfo>>& Slots() const { return slots_; }

private:
    std::shared_ptr<const GridInfo> grid_;
    SeriesCollection<SeriesCollection<ColumnSeriesInfo>> slots_;
    ColumnCellSpacing spacing_ = ColumnCellSpacing::EVENLY_SPACED;
};

}  // namespace atrium
