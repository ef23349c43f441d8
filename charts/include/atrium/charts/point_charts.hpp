#pragma once
// Charts without categories: slices of a whole, points in space, densities of point sets.
#include "atrium/charts/chart.hpp"
#include "atrium/charts/chart_data.hpp"
#include "atrium/charts/chart_options.hpp"
#include "atrium/density_graph.hpp"
#include "atrium/pie_graph.hpp"
#include "atrium/scatter_graph.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium::charts {

// One slice per label, sized by its share of the total; the texts show value and share.
class PieChart final : public ChartOf<PieGraph> {
public:
    explicit PieChart(const PieData& data, const ChartOptions& options = {});
};

// Points as spheres on three numeric axes; several frames get a frame slider.
class ScatterChart final : public ChartOf<ScatterGraph> {
public:
    explicit ScatterChart(const ScatterData& data, const ChartOptions& options = {});
};

// The smoothed density of each point set as a surface over numeric X and Z axes; Y reads the
// density relative to the highest point (0 to 1).
class DensityChart final : public ChartOf<DensityGraph> {
public:
    explicit DensityChart(const DensityData& data, const ChartOptions& options = {});
    // The smoothing width used, in data units (the one given or the one chosen).
    double Bandwidth() const { return bandwidth_; }

private:
    double bandwidth_;
};

}  // namespace atrium::charts
ATRIUM_EXPORT_END
