#include "atrium/cell_series_graph.hpp"

#include "atrium/area_series_info.hpp"
#include "atrium/ribbon_series_info.hpp"
#include "series_layout.hpp"

namespace atrium {

template <class T>
CellSeriesGraph<T>::CellSeriesGraph() {
    Assemble();
    zCellCountChanged_ = GridProps()->OnZCellCountChanged([this](std::int16_t n) { m_gridInfo_ZCellCountChanged(n); });
}

template <class T>
std::shared_ptr<T> CellSeriesGraph<T>::GetSeries(std::int16_t index) const {
    return GetSeriesAt(series_, index);
}

template <class T>
void CellSeriesGraph<T>::m_gridInfo_ZCellCountChanged(std::int16_t newCount) {
    KeepOnePerCell(series_, *GridProps(), newCount);
}

template <class T>
void CellSeriesGraph<T>::ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) {
    LayOutSeriesInCells(*GridProps(), *LegendProps(), series_.Items(), seriesGroup, routes);
}

template class CellSeriesGraph<AreaSeriesInfo>;
template class CellSeriesGraph<RibbonSeriesInfo>;

}  // namespace atrium
