#pragma once
// A grid graph with one series per Z cell: the skeleton of the area and ribbon graphs.
#include <memory>

#include "atrium/grid_graph.hpp"
#include "atrium/series_collection.hpp"
#include "atrium/series_layout.hpp"

namespace atrium {

// Draws each series of T in its own Z cell; the grid's Z cell count decides how many series
// there are (none until ZAxisCellCount is first set; new ones get half a cell's depth, the
// last ones go first). The series step is LayOutSeriesInCells.
template <class T>
class CellSeriesGraph : public GridGraph {
public:
    // Series number index, 1 being the front series. Fails outside 1..count with
    // "Invalid series index, series count = " followed by the count.
    std::shared_ptr<T> GetSeries(std::int16_t index) const { return GetSeriesAt(series_, index); }
    // The series list itself.
    const SeriesCollection<T>& Series() const { return series_; }

protected:
    CellSeriesGraph() {
        Assemble();
        zCellCountChanged_ =
            GridProps()->OnZCellCountChanged([this](std::int16_t n) { m_gridInfo_ZCellCountChanged(n); });
    }

private:
    void m_gridInfo_ZCellCountChanged(std::int16_t newCount) { KeepOnePerCell(series_, *GridProps(), newCount); }
    void ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) override {
        LayOutSeriesInCells(*GridProps(), *LegendProps(), series_.Items(), seriesGroup, routes);
    }

    SeriesCollection<T> series_;
    Subscription zCellCountChanged_;
};

}  // namespace atrium
