#pragma once
// Charts of named series over categories: areas, columns and ribbons.
#include "atrium/area_graph.hpp"
#include "atrium/charts/chart.hpp"
#include "atrium/charts/chart_data.hpp"
#include "atrium/charts/chart_options.hpp"
#include "atrium/column_graph.hpp"
#include "atrium/ribbon_graph.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium::charts {

// Each series as a filled area profile in its own row, categories along X.
class AreaChart final : public ChartOf<AreaGraph> {
public:
    explicit AreaChart(const CategoryData& data, const ChartOptions& options = {});
};

// Each series as a row of columns, categories along X.
class ColumnChart final : public ChartOf<ColumnGraph> {
public:
    explicit ColumnChart(const CategoryData& data, const ChartOptions& options = {});
};

// Each series as a ribbon in its own row, categories along X.
class RibbonChart final : public ChartOf<RibbonGraph> {
public:
    explicit RibbonChart(const CategoryData& data, const ChartOptions& options = {});
};

}  // namespace atrium::charts
ATRIUM_EXPORT_END
