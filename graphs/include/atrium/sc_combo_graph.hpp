#pragma once
// The surface/column combination graph: the column graph's columns under surfaces.
#include <cstdint>
#include <memory>

#include "atrium/column_series_info.hpp"
#include "atrium/surface_combo_graph.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

class ColumnSlots;

// Column slots as in the column graph (one slot with one series per Z cell at first) and any
// number of surfaces over the same cells.
class SCComboGraph final : public SurfaceComboGraph {
public:
    SCComboGraph();
    ~SCComboGraph() override;

    // Series index (its Z cell) of column slot cellIndex; see ColumnGraph::GetSeries.
    std::shared_ptr<ColumnSeriesInfo> GetSeries(std::int16_t index, std::int16_t cellIndex = 1) const;
    // How the slots share an X cell; EVENLY_SPACED at first.
    ColumnCellSpacing ColumnSpacingStyle() const;
    void SetColumnSpacingStyle(ColumnCellSpacing value);
    // Number of column slots per X cell; 1 at first; see ColumnGraph::SetColumnsPerCell.
    std::int16_t ColumnsPerCell() const;
    void SetColumnsPerCell(std::int16_t value);

private:
    float ExportComboSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) override;

    std::unique_ptr<ColumnSlots> slots_;
    Subscription zCellCountChanged_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
