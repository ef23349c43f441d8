#pragma once
// The column graph: rows of columns, several column slots side by side in every X cell.
#include <cstdint>
#include <memory>

#include "atrium/column_series_info.hpp"
#include "atrium/grid_graph.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

class ColumnSlots;

// Draws each series as a row of columns in its own Z cell; every column slot has its own
// series, one per Z cell. A new graph has one slot with one series of depth 0.5.
class ColumnGraph final : public GridGraph {
public:
    ColumnGraph();
    ~ColumnGraph() override;

    // Series index (its Z cell) of column slot cellIndex. Fails for a cellIndex outside
    // 1..ColumnsPerCell with "Invalid cell index, there are currently " + ColumnsPerCell +
    // " column(s) in each cell", then for an index outside the slot with
    // "Invalid series index, series count = " + the slot's count.
    std::shared_ptr<ColumnSeriesInfo> GetSeries(std::int16_t index, std::int16_t cellIndex = 1) const;
    // How the slots share an X cell; EVENLY_SPACED at first. Stored as given; any value but
    // EVENLY_SPACED lays out ADJACENT.
    ColumnCellSpacing ColumnSpacingStyle() const;
    void SetColumnSpacingStyle(ColumnCellSpacing value);
    // Number of column slots per X cell; 1 at first. Setting n adds slots (each with one series
    // per Z cell) or removes the last ones. Fails below 1:
    // "The number of columns per cell must be greater than or equal to 1".
    std::int16_t ColumnsPerCell() const;
    void SetColumnsPerCell(std::int16_t value);

private:
    // Keeps one series per Z cell in every slot.
    void m_gridInfo_ZCellCountChanged(std::int16_t newCount);
    void ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) override;

    std::unique_ptr<ColumnSlots> slots_;
    Subscription zCellCountChanged_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
