#pragma once
// The area graph: one filled area series per Z cell of its grid.
#include <memory>

#include "atrium/area_series_info.hpp"
#include "atrium/grid_graph.hpp"
#include "atrium/series_collection.hpp"

namespace atrium {

// Draws each series as an area profile standing in its own Z cell; the grid's Z cell count
// decides how many series there are (none until ZAxisCellCount is first set).
class AreaGraph final : public GridGraph {
public:
    AreaGraph();

    // Series number index, 1 being the front series. Fails outside 1..count with
    // "Invalid series index, series count = " followed by the count.
    std::shared_ptr<AreaSeriesInfo> GetSeries(std::int16_t index) const;
    // The series list itself.
    const SeriesCollection<AreaSeriesInfo>& Series() const { return series_; }

private:
    // Keeps one series per Z cell: new ones get half a cell's depth; the last ones go first.
    void m_gridInfo_ZCellCountChanged(std::int16_t newCount);
    void ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) override;

    SeriesCollection<AreaSeriesInfo> series_;
    Subscription zCellCountChanged_;
};

}  // namespace atrium
