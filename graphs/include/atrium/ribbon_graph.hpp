#pragma once
// The ribbon graph: one ribbon series per Z cell of its grid.
#include "atrium/cell_series_graph.hpp"
#include "atrium/ribbon_series_info.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

extern template class CellSeriesGraph<RibbonSeriesInfo>;

// Draws each series as a ribbon standing in its own Z cell; the grid's Z cell count decides
// how many series there are (none until ZAxisCellCount is first set).
class RibbonGraph final : public CellSeriesGraph<RibbonSeriesInfo> {};

}  // namespace atrium
ATRIUM_EXPORT_END
