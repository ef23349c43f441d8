#pragma once
// The data the charts are built from, in the user's own units: plain structs of standard
// containers, checked when a chart is built.
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "atrium/rgb.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium::charts {

// A named row of values, one per category.
struct Series {
    std::string name;
    std::vector<double> values;
};

// Categories along X and one or more named series (area, column and ribbon charts).
struct CategoryData {
    std::vector<std::string> categories;
    std::vector<Series> series;
};

// A grid of values stored row by row: rows run along Z, columns along X, and value (column c,
// row r), both from 0, is values[r * columns + c].
struct Matrix {
    std::size_t columns = 0;
    std::size_t rows = 0;
    std::vector<double> values;
    // The value at column c, row r (unchecked).
    double At(std::size_t c, std::size_t r) const { return values[r * columns + c]; }
    // f(x[c], z[r]) at every column c and row r.
    static Matrix Generate(std::span<const double> x, std::span<const double> z,
                           const std::function<double(double, double)>& f);
};

// A named height matrix (one surface).
struct NamedMatrix {
    std::string name;
    Matrix heights;
    // Pop-up texts, one per value in the same order; empty: the values, formatted.
    std::vector<std::string> popups;
};

// Surfaces over a shared lattice (surface chart). x holds one coordinate per column and z one
// per row, both increasing; empty: 1, 2, 3, ...
struct SurfaceData {
    std::vector<double> x;
    std::vector<double> z;
    std::vector<NamedMatrix> surfaces;
};

// Series of a category chart with surfaces over the same cells (the two combination charts):
// each surface has one column per category and one row per series.
struct ComboData {
    CategoryData series;
    std::vector<NamedMatrix> surfaces;
};

// Points (scatter chart). x, y and z are required and of equal length; every other list is
// empty or as long as x.
struct ScatterData {
    std::vector<double> x;
    std::vector<double> y;
    std::vector<double> z;
    // Marker size relative to the default (1 = default, 2 = twice the radius).
    std::vector<double> size;
    // Colour of each point; empty: from its group, or the first palette colour.
    std::vector<Rgb> colour;
    // Group name of each point: each group gets a palette colour and a legend entry.
    std::vector<std::string> group;
    // Frame of each point (0, 1, 2, ...): several frames are stepped through with a slider.
    std::vector<int> frame;
    // Slider label of each frame; empty: "1", "2", ...
    std::vector<std::string> frameLabels;
};

// Labels and values of a pie; each slice gets its share of the total.
struct PieData {
    std::vector<std::string> labels;
    std::vector<double> values;
};

// A named set of points in the X-Z plane whose density is drawn.
struct PointSet {
    std::string name;
    std::vector<double> x;
    std::vector<double> z;
};

// Point sets of a density chart and the smoothing width in data units (empty: chosen from the
// data by Silverman's rule of thumb).
struct DensityData {
    std::vector<PointSet> sets;
    std::optional<double> bandwidth;
};

// n evenly spaced values from first to last, both included (n >= 2; n = 1 gives {first}).
std::vector<double> Linspace(double first, double last, std::size_t n);

}  // namespace atrium::charts
ATRIUM_EXPORT_END
