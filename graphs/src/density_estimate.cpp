#include "atrium/density_estimate.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "float_text.hpp"
#include "holvane/error.hpp"

namespace atrium {

namespace {

constexpr double kBase = 2.7183;

// A factor below this is under double resolution next to a term of 1.
constexpr double kNegligible = std::numeric_limits<double>::epsilon() / 2;

// Largest error allowed from the skipped terms, relative to the map's spread.
constexpr double kTolerance = 1e-8;

float LatticeX(const ParzenLattice& lattice, int i) { return static_cast<float>(i) * lattice.xSpacing; }
float LatticeZ(const ParzenLattice& lattice, int j) { return static_cast<float>(j) * lattice.zSpacing; }

// The lattice indices [first, last) whose coordinate lies within reach of centre.
struct IndexRange {
    int first, last;
};
IndexRange Reach(double centre, double reach, float spacing, int count) {
    if (std::isnan(centre)) return {0, 0};
    if (!std::isfinite(reach)) return {0, count};
    const double lo = std::ceil((centre - reach) / spacing), hi = std::floor((centre + reach) / spacing);
    const int first = static_cast<int>(std::clamp(lo, 0.0, static_cast<double>(count)));
    const int last = static_cast<int>(std::clamp(hi + 1, 0.0, static_cast<double>(count)));
    return {first, std::max(first, last)};
}

// Sums the separable kernel, skipping factors below `negligible` (0: nothing skipped).
std::vector<double> SeparableMap(const ParzenLattice& lattice, std::span<const holvane::Vec2f> points, double rate,
                                 double negligible) {
    const auto nx = static_cast<std::size_t>(lattice.xCount);
    std::vector<double> map(nx * static_cast<std::size_t>(lattice.zCount), 0.0);
    std::vector<double> fx(nx), fz(static_cast<std::size_t>(lattice.zCount));
    // rate x d^2 <= -ln(negligible) keeps a factor at or above negligible.
    const double reach = negligible > 0 ? std::sqrt(-std::log(negligible) / rate) : HUGE_VAL;
    for (const auto& p : points) {
        const IndexRange xs = Reach(p[0], reach, lattice.xSpacing, lattice.xCount);
        const IndexRange zs = Reach(p[1], reach, lattice.zSpacing, lattice.zCount);
        for (int i = xs.first; i < xs.last; ++i) {
            const double dx = static_cast<double>(LatticeX(lattice, i)) - p[0];
            fx[static_cast<std::size_t>(i)] = std::exp(-rate * dx * dx);
        }
        for (int j = zs.first; j < zs.last; ++j) {
            const double dz = static_cast<double>(LatticeZ(lattice, j)) - p[1];
            fz[static_cast<std::size_t>(j)] = std::exp(-rate * dz * dz);
        }
        for (int j = zs.first; j < zs.last; ++j) {
            const double f = fz[static_cast<std::size_t>(j)];
            double* row = map.data() + static_cast<std::size_t>(j) * nx;
            for (int i = xs.first; i < xs.last; ++i) row[i] += f * fx[static_cast<std::size_t>(i)];
        }
    }
    return map;
}

}  // namespace

void RefuseNaNPoints(std::span<const holvane::Vec2f> points, const std::string& owner) {
    const auto bad = std::find_if(points.begin(), points.end(),
                                  [](const holvane::Vec2f& p) { return std::isnan(p[0]) || std::isnan(p[1]); });
    if (bad == points.end()) return;
    throw holvane::Error(holvane::kInvalidArgument,
                         owner + ": point " + std::to_string(bad - points.begin() + 1) + " (x " +
                             FloatText((*bad)[0]) + ", z " + FloatText((*bad)[1]) +
                             ") has a coordinate that is not a number");
}

std::vector<double> ParzenMap(const ParzenLattice& lattice, std::span<const holvane::Vec2f> points, float sigma) {
    const double rate = std::log(kBase) / (2.0 * static_cast<double>(sigma) * sigma);
    std::vector<double> map = SeparableMap(lattice, points, rate, kNegligible);
    if (map.empty() || points.empty()) return map;
    // Each skipped term is below kNegligible, so a value is short by at most N x kNegligible.
    const auto [lo, hi] = std::minmax_element(map.begin(), map.end());
    if (static_cast<double>(points.size()) * kNegligible > kTolerance * (*hi - *lo))
        map = SeparableMap(lattice, points, rate, 0.0);
    return map;
}

std::vector<double> DirectParzenMap(const ParzenLattice& lattice, std::span<const holvane::Vec2f> points,
                                    float sigma) {
    const double twoSigmaSquared = 2.0 * static_cast<double>(sigma) * sigma;
    std::vector<double> map;
    map.reserve(static_cast<std::size_t>(lattice.xCount) * static_cast<std::size_t>(lattice.zCount));
    for (int j = 0; j < lattice.zCount; ++j)
        for (int i = 0; i < lattice.xCount; ++i) {
            const double x = LatticeX(lattice, i), z = LatticeZ(lattice, j);
            double density = 0;
            for (const auto& p : points) {
                const double d = std::sqrt((x - p[0]) * (x - p[0]) + (z - p[1]) * (z - p[1]));
                density += std::pow(kBase, -(d * d) / twoSigmaSquared);
            }
            map.push_back(density);
        }
    return map;
}

std::vector<float> RescaleHeights(const std::vector<double>& values, float graphHeight) {
    std::vector<float> heights(values.size(), 0.0f);
    if (values.empty()) return heights;
    double m = values.front(), M = values.front();
    for (double v : values) {
        if (v > M)
            M = v;
        else if (v < m)
            m = v;
    }
    if (!(M > m)) return heights;
    const double scale = graphHeight / (M - m);
    for (std::size_t k = 0; k < values.size(); ++k) heights[k] = static_cast<float>((values[k] - m) * scale);
    return heights;
}

}  // namespace atrium
