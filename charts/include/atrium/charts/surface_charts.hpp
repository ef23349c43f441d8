#pragma once
// Charts of height surfaces: on their own over numeric X and Z, or over the cells of columns or
// ribbons.
#include "atrium/charts/chart.hpp"
#include "atrium/charts/chart_data.hpp"
#include "atrium/charts/chart_options.hpp"
#include "atrium/rc_combo_graph.hpp"
#include "atrium/sc_combo_graph.hpp"
#include "atrium/surface_graph.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium::charts {

// Surfaces over a lattice with numeric X and Z axes from the coordinates.
class SurfaceChart final : public ChartOf<SurfaceGraph> {
public:
    explicit SurfaceChart(const SurfaceData& data, const ChartOptions& options = {});
};

// Columns of named series with surfaces over the same cells.
class SurfaceColumnChart final : public ChartOf<SCComboGraph> {
public:
    explicit SurfaceColumnChart(const ComboData& data, const ChartOptions& options = {});
};

// Ribbons of named series with surfaces over the same cells.
class RibbonSurfaceChart final : public ChartOf<RCComboGraph> {
public:
    explicit RibbonSurfaceChart(const ComboData& data, const ChartOptions& options = {});
};

}  // namespace atrium::charts
ATRIUM_EXPORT_END
