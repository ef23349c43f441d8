#pragma once
// The area graph: one filled area series per Z cell of its grid.
#include "atrium/area_series_info.hpp"
#include "atrium/cell_series_graph.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

extern template class CellSeriesGraph<AreaSeriesInfo>;

// Draws each series as an area profile standing in its own Z cell; the grid's Z cell count
// decides how many series there are (none until ZAxisCellCount is first set).
class AreaGraph final : public CellSeriesGraph<AreaSeriesInfo> {};

}  // namespace atrium
ATRIUM_EXPORT_END
