// The nine chart kinds from data: each builds and exports from good data, scales its values onto
// the Y axis with round ticks, and refuses bad data with a message that names the culprit.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "atrium/atrium.hpp"
#include "expect_error.hpp"

namespace {

using namespace atrium::charts;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

CategoryData Sales() {
    return {.categories = {"Q1", "Q2", "Q3"}, .series = {{"Tea", {10, 45, 93}}, {"Coffee", {20, 30, 0}}}};
}

NamedMatrix Plane(std::size_t columns, std::size_t rows, double value = 1) {
    return {.name = "plane", .heights = {columns, rows, std::vector<double>(columns * rows, value)}, .popups = {}};
}

ComboData Combo() { return {.series = Sales(), .surfaces = {Plane(3, 2, 50)}}; }

ScatterData Points() { return {.x = {1, 2, 3}, .y = {0.5, 9.3, 4}, .z = {-1, 0, 1}}; }

// What a kind's Y axis and its tallest value came to.
struct YProbe {
    float min, max;
    int cells;
    float tallest;  // scene height of the largest value
    float height;   // of the grid
};

template <class G>
float TallestSeries(const G& graph) {
    float tallest = 0;
    for (std::int16_t i = 1; i <= graph.GridProps()->ZAxisCellCount(); ++i)
        for (float h : graph.GetSeries(i)->Height()->Values()) tallest = std::max(tallest, h);
    return tallest;
}

template <class G>
YProbe Probe(const G& graph, float tallest) {
    return {graph.YAxisProps()->Min(), graph.YAxisProps()->Max(), graph.GridProps()->YAxisCellCount(), tallest,
            graph.GridProps()->Height()};
}

float TallestOf(const std::vector<float>& values) { return *std::max_element(values.begin(), values.end()); }

struct BadCase {
    std::function<void()> build;
    std::uint32_t number;
    std::string message;
};

struct KindCase {
    const char* name;
    std::function<std::unique_ptr<Chart>()> good;
    std::function<YProbe(const Chart&)> probe;  // empty: the kind has no value axis to check
    YProbe expected;
    std::vector<BadCase> bad;
};

template <class C>
const C& As(const Chart& chart) {
    return dynamic_cast<const C&>(chart);
}

std::vector<KindCase> Kinds() {
    const auto inv = holvane::kInvalidArgument;
    return {
        {"area", [] { return std::make_unique<AreaChart>(Sales()); },
         [](const Chart& c) { auto& g = *As<AreaChart>(c).Graph(); return Probe(g, TallestSeries(g)); },
         {0, 100, 5, 0.93f, 1},
         {{[] { AreaChart({.categories = {"a"}, .series = {{"s", {kNaN}}}}); }, inv,
           "Series \"s\": value at position 0 is not a number"},
          {[] { AreaChart({.categories = {}, .series = {{"s", {}}}}); }, inv, "The category list: none given"}}},
        {"column", [] { return std::make_unique<ColumnChart>(Sales()); },
         [](const Chart& c) { auto& g = *As<ColumnChart>(c).Graph(); return Probe(g, TallestSeries(g)); },
         {0, 100, 5, 0.93f, 1},
         {{[] { ColumnChart({.categories = {"a", "b"}, .series = {{"s", {1, kInf}}}}); }, inv,
           "Series \"s\": value at position 1 is infinite"},
          {[] { ColumnChart({.categories = {"a", "b"}, .series = {{"s", {1}}}}); }, inv,
           "Series \"s\" has 1 values, expected 2 (one per category)"},
          {[] { ColumnChart({.categories = {"a"}, .series = {}}); }, inv, "The series list: none given"},
          {[] { ColumnChart({.categories = std::vector<std::string>(40000, "c"), .series = {{"s", {}}}}); },
           holvane::kOverflow, "categories: 40000 are more than the 32767 a chart holds"},
          {[] { ColumnChart(Sales(), {.yMin = 5, .yMax = 1}); }, inv, "The Y range is empty or reversed (yMin > yMax)"}}},
        {"ribbon", [] { return std::make_unique<RibbonChart>(Sales()); },
         [](const Chart& c) { auto& g = *As<RibbonChart>(c).Graph(); return Probe(g, TallestSeries(g)); },
         {0, 100, 5, 0.93f, 1},
         {{[] { RibbonChart({.categories = {"a"}, .series = {{"s", {1}}, {"t", {}}}}); }, inv,
           "Series \"t\" has 0 values, expected 1 (one per category)"}}},
        {"surface",
         [] { return std::make_unique<SurfaceChart>(SurfaceData{.x = {}, .z = {}, .surfaces = {Plane(3, 2, 7)}}); },
         [](const Chart& c) {
             auto& g = *As<SurfaceChart>(c).Graph();
             return Probe(g, TallestOf(g.GetSurface(1)->SurfaceNode()->HeightField()->Values()));
         },
         {2, 12, 5, 0.5f, 1},
         {{[] { SurfaceChart({.x = {1, 2}, .z = {}, .surfaces = {Plane(3, 2)}}); }, inv,
           "Surface \"plane\" is 3 x 2, expected 2 x 2 (columns x rows)"},
          {[] { SurfaceChart({.x = {1, 3, 2}, .z = {}, .surfaces = {Plane(3, 2)}}); }, inv,
           "The X coordinates: value at position 2 does not increase"},
          {[] {
               auto p = Plane(2, 2);
               p.heights.values[3] = kNaN;
               SurfaceChart({.x = {}, .z = {}, .surfaces = {p}});
           },
           inv, "Surface \"plane\": value at position 3 is not a number"},
          {[] { SurfaceChart({.x = {}, .z = {}, .surfaces = {}}); }, inv, "The surface list: none given"}}},
        {"surface/column", [] { return std::make_unique<SurfaceColumnChart>(Combo()); },
         [](const Chart& c) { auto& g = *As<SurfaceColumnChart>(c).Graph(); return Probe(g, TallestSeries(g)); },
         {0, 100, 5, 0.93f, 1},
         {{[] { SurfaceColumnChart({.series = Sales(), .surfaces = {Plane(2, 2)}}); }, inv,
           "Surface \"plane\" is 2 x 2, expected 3 x 2 (columns x rows)"}}},
        {"ribbon/surface", [] { return std::make_unique<RibbonSurfaceChart>(Combo()); },
         [](const Chart& c) { auto& g = *As<RibbonSurfaceChart>(c).Graph(); return Probe(g, TallestSeries(g)); },
         {0, 100, 5, 0.93f, 1},
         {{[] {
               auto combo = Combo();
               combo.surfaces[0].popups = {"only one"};
               RibbonSurfaceChart{combo};
           },
           inv, "Surface \"plane\" pop-up texts has 1 values, expected 6 (one per value)"}}},
        {"pie", [] { return std::make_unique<PieChart>(PieData{.labels = {"a", "b"}, .values = {1, 3}}); },
         {}, {},
         {{[] { PieChart({.labels = {"a", "b"}, .values = {1, -3}}); }, inv,
           "The value list: value at position 1 (b) is negative; a pie shows shares of a whole"},
          {[] { PieChart({.labels = {"a", "b"}, .values = {0, 0}}); }, inv,
           "The value list adds up to 0; a pie needs a positive total"},
          {[] { PieChart({.labels = {"a"}, .values = {1, 2}}); }, inv,
           "The value list has 2 values, expected 1 (one per label)"}}},
        {"scatter", [] { return std::make_unique<ScatterChart>(Points()); },
         [](const Chart& c) {
             auto& g = *As<ScatterChart>(c).Graph();
             float tallest = 0;
             for (std::int16_t k = 1; k <= g.Get1PointFrame(1)->Count(); ++k) {
                 float x, y, z, r, t;
                 std::int32_t colour;
                 g.Get1PointFrame(1)->Get1Point(k, x, y, z, r, colour, t);
                 tallest = std::max(tallest, y);
             }
             return Probe(g, tallest);
         },
         {0, 10, 5, 0.93f, 1},
         {{[] {
               auto p = Points();
               p.z.pop_back();
               ScatterChart{p};
           },
           inv, "The Z values has 2 values, expected 3 (one per X value)"},
          {[] {
               auto p = Points();
               p.size = {1, -1, 1};
               ScatterChart{p};
           },
           inv, "The sizes: value at position 1 is negative"},
          {[] { ScatterChart({.x = {}, .y = {}, .z = {}}); }, inv, "The X values: none given"}}},
        {"density",
         [] { return std::make_unique<DensityChart>(DensityData{.sets = {{"a", {1, 2, 3}, {1, 2, 2}}}, .bandwidth = {}}); },
         [](const Chart& c) {
             auto& g = *As<DensityChart>(c).Graph();
             return YProbe{g.YAxisProps()->Min(), g.YAxisProps()->Max(), g.GridProps()->YAxisCellCount(), 1, 1};
         },
         {0, 1, 5, 1, 1},
         {{[] { DensityChart({.sets = {{"a", {1, 2}, {1}}}, .bandwidth = {}}); }, inv,
           "Point set \"a\" Z values has 1 values, expected 2 (one per X value)"},
          {[] { DensityChart({.sets = {{"a", {1, kNaN}, {1, 2}}}, .bandwidth = {}}); }, inv,
           "Point set \"a\" X values: value at position 1 is not a number"},
          {[] { DensityChart({.sets = {{"a", {1}, {1}}}, .bandwidth = -1}); }, inv,
           "The bandwidth must be a positive number"}}},
    };
}

TEST(ChartKinds, BuildScaleAndRefuseBadInput) {
    for (const auto& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        const auto chart = kind.good();
        const std::string world = chart->ToVrml();
        EXPECT_EQ(world.rfind("#VRML V2.0 utf8\n", 0), 0u);
        // The chart stands in front of its viewpoint: the first one looks down at it.
        EXPECT_NE(world.find("description \"Front\""), std::string::npos);
        if (kind.probe) {
            const YProbe got = kind.probe(*chart), want = kind.expected;
            EXPECT_FLOAT_EQ(got.min, want.min);
            EXPECT_FLOAT_EQ(got.max, want.max);
            EXPECT_EQ(got.cells, want.cells);
            // The largest value stands at its share of the axis range.
            EXPECT_NEAR(got.tallest / got.height, want.tallest, 1e-5);
        }
        for (const auto& bad : kind.bad) {
            SCOPED_TRACE(bad.message);
            ExpectError(bad.build, bad.number, bad.message);
        }
    }
}

// Round ticks that cover the data, the Y axis starting at 0 for columns, and their label pattern.
TEST(ChartKinds, YTicksAreRoundAndCoverTheData) {
    const struct {
        std::vector<double> values;
        float min, max;
        int cells;
        const char* pattern;
    } cases[] = {
        {{3, 5}, 0, 5, 5, "#,##0"},
        {{0.012, 0.093}, 0, 0.1f, 5, "#,##0.00"},
        {{-7, 12}, -10, 15, 5, "#,##0"},
        {{1234, 9876}, 0, 10000, 5, "#,##0"},
        {{0, 0}, -1, 1, 4, "#,##0.0"},
        {{2.5, 2.5}, 0, 2.5f, 5, "#,##0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values[1]);
        const ColumnChart chart({.categories = {"a", "b"}, .series = {{"s", c.values}}});
        const auto& axis = *chart.Graph()->YAxisProps();
        EXPECT_FLOAT_EQ(axis.Min(), c.min);
        EXPECT_FLOAT_EQ(axis.Max(), c.max);
        EXPECT_EQ(chart.Graph()->GridProps()->YAxisCellCount(), c.cells);
        EXPECT_EQ(axis.NumericFormat(), c.pattern);
    }
}

}  // namespace
