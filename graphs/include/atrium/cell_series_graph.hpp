#pragma once
// A grid graph with one series per Z cell: the skeleton of the area and ribbon graphs.
#include <cstdint>
#include <memory>

#include "atrium/grid_graph.hpp"
#include "atrium/series_collection.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Draws each series of T in its own Z cell; the grid's Z cell count decides how many series
// there are (none until ZAxisCellCount is first set; new ones get half a cell's depth, the
// last ones go first). The library holds it for AreaSeriesInfo and RibbonSeriesInfo.
template <class T>
class CellSeriesGraph : public GridGraph {
public:
    // Series number index, 1 being the front series. Fails outside 1..count with
    // "Invalid series index, series count = " followed by the count.
    std::shared_ptr<T> GetSeries(std::int16_t index) const;
    // The series list itself.
    const SeriesCollection<T>& Series() const { return series_; }

protected:
    CellSeriesGraph();

private:
    void m_gridInfo_ZCellCountChanged(std::int16_t newCount);
    // Every series in its Z cell, entered in the legend (see LayOutSeriesInCells).
    void ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) override;

    SeriesCollection<T> series_;
    Subscription zCellCountChanged_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
