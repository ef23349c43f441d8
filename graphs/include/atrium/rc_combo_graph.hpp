#pragma once
// The ribbon/surface combination graph: the ribbon graph's ribbons under surfaces.
#include <memory>

#include "atrium/ribbon_series_info.hpp"
#include "atrium/series_collection.hpp"
#include "atrium/surface_combo_graph.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// One ribbon series per Z cell as in the ribbon graph (none until ZAxisCellCount is first set)
// and any number of surfaces over the same cells.
class RCComboGraph final : public SurfaceComboGraph {
public:
    RCComboGraph();

    // Ribbon number index, 1 being the front one. Fails outside 1..count with
    // "Invalid series index, series count = " followed by the count.
    std::shared_ptr<RibbonSeriesInfo> GetSeries(std::int16_t index) const;
    // The ribbon list itself.
    const SeriesCollection<RibbonSeriesInfo>& Series() const { return series_; }

private:
    void m_gridInfo_ZCellCountChanged(std::int16_t newCount);
    float ExportComboSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) override;

    SeriesCollection<RibbonSeriesInfo> series_;
    Subscription zCellCountChanged_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
