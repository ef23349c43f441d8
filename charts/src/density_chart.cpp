#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "atrium/charts/point_charts.hpp"
#include "checks.hpp"
#include "look.hpp"
#include "ticks.hpp"

namespace atrium::charts {

namespace {

using namespace detail;

void CheckDensity(const DensityData& data) {
    CheckNotEmpty(data.sets.size(), "The point set list");
    CheckFits(data.sets.size(), "point sets");
    for (const auto& set : data.sets) {
        const std::string what = Named("Point set", set.name);
        CheckNotEmpty(set.x.size(), what);
        CheckLength(set.z.size(), set.x.size(), what + " Z values", "one per X value");
        CheckFinite(set.x, what + " X values");
        CheckFinite(set.z, what + " Z values");
    }
    if (data.bandwidth && !(std::isfinite(*data.bandwidth) && *data.bandwidth > 0))
        BadInput("The bandwidth must be a positive number");
}

double Variance(std::span<const double> v) {
    if (v.size() < 2) return 0;
    const double mean = std::reduce(v.begin(), v.end()) / static_cast<double>(v.size());
    double sum = 0;
    for (double x : v) sum += (x - mean) * (x - mean);
    return sum / static_cast<double>(v.size() - 1);
}

// Silverman's rule of thumb for each set, 1.06 s n^(-1/5) with s the spread of x and z
// together, averaged over the sets that have a spread; 1/10 of the data's span otherwise.
double ChooseBandwidth(const DensityData& data, double span) {
    double sum = 0;
    int counted = 0;
    for (const auto& set : data.sets) {
        const double s = std::sqrt((Variance(set.x) + Variance(set.z)) / 2);
        if (s <= 0) continue;
        sum += 1.06 * s * std::pow(static_cast<double>(set.x.size()), -0.2);
        ++counted;
    }
    if (counted > 0) return sum / counted;
    return span > 0 ? span / 10 : 1;
}

// The lowest and highest of one coordinate over every set.
std::pair<double, double> RangeOf(const DensityData& data, std::vector<double> PointSet::*coordinate) {
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    for (const auto& set : data.sets) {
        const auto [min, max] = std::ranges::minmax(set.*coordinate);
        lo = std::min(lo, min);
        hi = std::max(hi, max);
    }
    return {lo, hi};
}

// The bandwidth given, or the one chosen from the (checked) data.
double BandwidthOf(const DensityData& data) {
    const auto [x0, x1] = RangeOf(data, &PointSet::x);
    const auto [z0, z1] = RangeOf(data, &PointSet::z);
    return data.bandwidth.value_or(ChooseBandwidth(data, std::max(x1 - x0, z1 - z0)));
}

std::shared_ptr<DensityGraph> BuildDensityGraph(const DensityData& data, const ChartOptions& options) {
    CheckDensity(data);
    const auto [x0, x1] = RangeOf(data, &PointSet::x);
    const auto [z0, z1] = RangeOf(data, &PointSet::z);
    const double bandwidth = BandwidthOf(data);
    // Room for the tails of the density: two bandwidths beyond the outermost points.
    const Ticks tx = NiceTicks(x0 - 2 * bandwidth, x1 + 2 * bandwidth);
    const Ticks tz = NiceTicks(z0 - 2 * bandwidth, z1 + 2 * bandwidth);
    const Ticks ty{.min = 0, .max = 1, .step = 0.2, .intervals = 5, .decimals = 1};
    const double ratio = std::clamp((tx.max - tx.min) / (tz.max - tz.min), 0.5, 2.0);
    const Box box = BoxFrom(options, {static_cast<float>(10 * std::min(1.0, ratio)), 5,
                                      static_cast<float>(10 * std::min(1.0, 1 / ratio))});
    const TextSizes texts = TextsFor(box);

    auto graph = std::make_shared<DensityGraph>();
    StyleFrame(*graph, options, texts);
    graph->LegendProps()->SetUseSeriesToggle(options.legend);
    StyleGrid(*graph->GridProps(), box, static_cast<std::size_t>(tx.intervals), 5,
              static_cast<std::size_t>(tz.intervals));
    const struct {
        ContinuousAxis& axis;
        const Ticks& ticks;
        float length;
        const std::string& header;
    } axes[] = {{*graph->XAxisProps(), tx, box.width, options.xTitle},
                {*graph->YAxisProps(), ty, box.height, options.yTitle},
                {*graph->ZAxisProps(), tz, box.depth, options.zTitle}};
    for (const auto& a : axes) {
        StyleAxis(a.axis, std::min(texts.label, 0.6f * a.length / static_cast<float>(a.ticks.intervals)), a.header,
                  texts);
        SetTicks(a.axis, a.ticks, options);
    }
    const double sx = box.width / (tx.max - tx.min), sz = box.depth / (tz.max - tz.min);
    graph->SetSigma(static_cast<float>(bandwidth * std::sqrt(sx * sz)));
    graph->SetSurfaceCount(static_cast<std::int16_t>(data.sets.size()));
    for (std::size_t i = 0; i < data.sets.size(); ++i) {
        const auto& set = data.sets[i];
        auto surface = graph->GetSurface(static_cast<std::int16_t>(i + 1));
        surface->SetLegendText(set.name);
        surface->Material()->DiffuseColorField()->SetRGBValue(ColourAt(options, i));
        surface->SetWireColor(Rgb(0xFFFFFF));
        auto& points = surface->PointList()->Values();
        for (std::size_t k = 0; k < set.x.size(); ++k)
            points.push_back({static_cast<float>((set.x[k] - tx.min) * sx), static_cast<float>((set.z[k] - tz.min) * sz)});
    }
    AddViewpoints(*graph->Viewpoints(), {0, 0, 0, 1.4f * box.width, box.height, box.depth});
    return graph;
}

}  // namespace

DensityChart::DensityChart(const DensityData& data, const ChartOptions& options)
    : ChartOf(BuildDensityGraph(data, options)), bandwidth_(BandwidthOf(data)) {}

}  // namespace atrium::charts
