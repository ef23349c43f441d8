#pragma once
// The Gaussian (Parzen-window) density of a point set on a regular lattice, and its rescale.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "holvane/export.hpp"
#include "holvane/fields.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A lattice of xCount x zCount points; point (i, j), both from 0, sits at
// (i x xSpacing, j x zSpacing), computed in single floats.
struct ParzenLattice {
    int xCount = 0;
    int zCount = 0;
    float xSpacing = 1;
    float zSpacing = 1;
};

// The density at every lattice point, X varying fastest: the sum over the points p of
// 2.7183 ^ (-d^2 / (2 sigma^2)), d the distance to p; 0 everywhere for no points.
// The kernel is the product of an x factor and a z factor, so each point costs one row of x
// factors and one column of z factors, added where both are above double resolution. Apart
// from rounding, every value is within 1e-8 x (largest - smallest value) of DirectParzenMap's;
// where the skipped terms could add up to more, the map is recomputed without skipping.
// A point with a NaN coordinate adds nothing (RefuseNaNPoints stops it before export).
std::vector<double> ParzenMap(const ParzenLattice& lattice, std::span<const holvane::Vec2f> points, float sigma);

// The same map by the plain double loop over lattice points and points, one power per term.
std::vector<double> DirectParzenMap(const ParzenLattice& lattice, std::span<const holvane::Vec2f> points, float sigma);

// Raises holvane::kInvalidArgument when a point has a NaN coordinate, naming the first such point
// by its 1-based position and owner, e.g. "Density surface 2: point 3 (x NaN, z 1.5) has a
// coordinate that is not a number". Infinite coordinates are fine: such a point adds nothing.
void RefuseNaNPoints(std::span<const holvane::Vec2f> points, const std::string& owner);

// Maps the smallest value to 0 and the largest to graphHeight, linearly. When all values are
// equal (no points, or every term the same) there is no scale: every height is 0.
std::vector<float> RescaleHeights(const std::vector<double>& values, float graphHeight);

}  // namespace atrium
ATRIUM_EXPORT_END
