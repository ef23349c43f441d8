#include "atrium/charts/category_charts.hpp"

#include "grid_charts.hpp"

namespace atrium::charts {

namespace {

using namespace detail;

}  // namespace

AreaChart::AreaChart(const CategoryData& data, const ChartOptions& options)
    : ChartOf(BuildCategoryGraph<AreaGraph>(data, {}, options, true, kSeries)) {}

ColumnChart::ColumnChart(const CategoryData& data, const ChartOptions& options)
    : ChartOf(BuildCategoryGraph<ColumnGraph>(data, {}, options, true,
                                              kSeries)) {}

RibbonChart::RibbonChart(const CategoryData& data, const ChartOptions& options)
    : ChartOf(BuildCategoryGraph<RibbonGraph>(data, {}, options, false,
                                              kSeries)) {}

}  // namespace atrium::charts
