// The density graph: the density estimate against a direct computation, the rescale and its
// flat case, sigma checks, and the lattice, legend and drill-up set at export.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "atrium/density_estimate.hpp"
#include "atrium/density_graph.hpp"
#include "atrium/graph_factory.hpp"
#include "atrium/template_ctl.hpp"
#include "expect_error.hpp"
#include "vrml_reader.hpp"

using namespace atrium;

namespace {

std::shared_ptr<DensityGraph> NewGraph() {
    static AtriumTemplateCtl control;
    return control.CreateFactory()->CreateDensityGraph();
}

// The kernel written out for one lattice point.
double Direct(double x, double z, const std::vector<holvane::Vec2f>& points, double sigma) {
    double sum = 0;
    for (const auto& p : points) sum += std::pow(2.7183, -((x - p[0]) * (x - p[0]) + (z - p[1]) * (z - p[1])) / (2 * sigma * sigma));
    return sum;
}

std::vector<holvane::Vec2f> RandomPoints(int n, float extent, unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_real_distribution<float> u(0, extent);
    std::vector<holvane::Vec2f> points;
    for (int k = 0; k < n; ++k) points.push_back({u(engine), u(engine)});
    return points;
}

}  // namespace

TEST(DensityEstimate, MatchesTheKernelWrittenOutAndThePlainLoop) {
    struct Case {
        const char* name;
        ParzenLattice lattice;
        std::vector<holvane::Vec2f> points;
        float sigma;
    } cases[] = {
        {"one point on a lattice point", {4, 3, 1, 1}, {{1, 1}}, 1},
        {"two points between lattice points", {5, 4, 0.5f, 0.75f}, {{0.3f, 0.2f}, {1.9f, 2.1f}}, 0.6f},
        {"points outside the lattice", {6, 6, 0.25f, 0.25f}, {{-3, 0.5f}, {4, 9}}, 0.8f},
        {"many points, most terms skipped", {60, 50, 0.2f, 0.2f}, RandomPoints(300, 12, 7), 0.3f},
        {"narrow kernel", {30, 30, 0.1f, 0.1f}, RandomPoints(40, 3, 3), 0.05f},
    };
    for (const Case& c : cases) {
        const auto fast = ParzenMap(c.lattice, c.points, c.sigma);
        const auto plain = DirectParzenMap(c.lattice, c.points, c.sigma);
        ASSERT_EQ(fast.size(), static_cast<std::size_t>(c.lattice.xCount * c.lattice.zCount)) << c.name;
        ASSERT_EQ(plain.size(), fast.size());
        const double largest = *std::max_element(plain.begin(), plain.end());
        for (int j = 0; j < c.lattice.zCount; ++j)
            for (int i = 0; i < c.lattice.xCount; ++i) {
                const std::size_t k = static_cast<std::size_t>(j * c.lattice.xCount + i);
                const double want = Direct(static_cast<float>(i) * c.lattice.xSpacing,
                                           static_cast<float>(j) * c.lattice.zSpacing, c.points, c.sigma);
                EXPECT_NEAR(plain[k], want, 1e-12 * largest) << c.name << " at " << i << "," << j;
                EXPECT_NEAR(fast[k], want, 1e-8 * largest) << c.name << " at " << i << "," << j;
            }
    }
    // One point at (1, 1), sigma 1: 1 on the point, 2.7183^-(d^2 / 2) beside it.
    const auto single = ParzenMap({3, 3, 1, 1}, std::vector<holvane::Vec2f>{{1, 1}}, 1);
    EXPECT_NEAR(single[4], 1, 1e-15);
    EXPECT_NEAR(single[0], std::pow(2.7183, -1.0), 1e-15);
    EXPECT_NEAR(single[5], std::pow(2.7183, -0.5), 1e-15);
    EXPECT_EQ(ParzenMap({3, 2, 1, 1}, {}, 1), std::vector<double>(6, 0.0));
}

TEST(DensityEstimate, RescaleSpansZeroToTheGraphHeightAndAFlatMapIsZero) {
    EXPECT_EQ(RescaleHeights({2, 4, 3, 6}, 8), (std::vector<float>{0, 4, 2, 8}));
    EXPECT_EQ(RescaleHeights({5, 1, 5}, 2), (std::vector<float>{2, 0, 2}));
    EXPECT_EQ(RescaleHeights({3, 3, 3}, 8), (std::vector<float>{0, 0, 0}));
    EXPECT_TRUE(RescaleHeights({}, 8).empty());

    // Through the surface: no points, or points so far away that every term is 0.
    for (const std::vector<holvane::Vec2f>& points : {std::vector<holvane::Vec2f>{}, {{1e6f, 1e6f}}}) {
        DensitySurfaceInfo s;
        s.SetXCount(4);
        s.SetZCount(3);
        s.PointList()->Values() = points;
        s.GenerateParzenMap(8);
        EXPECT_EQ(s.SurfaceNode()->HeightField()->Values(), std::vector<float>(12, 0.0f));
        EXPECT_EQ(s.WireframeNode()->HeightField()->Values(), std::vector<float>(12, 0.0f));
    }
}

TEST(DensityGraph, SigmaAndIndexChecksCarryTheirOwnMessages) {
    auto graph = NewGraph();
    DensitySurfaceInfo s;
    struct Case {
        std::function<void()> action;
        std::string message;
    } cases[] = {
        {[&] { graph->SetSigma(0); }, "Invalid sigma value, must be greater than 1"},
        {[&] { s.SetSigma(-1); }, "Invalid sigma value, must be greater than 0"},
        {[&] { graph->GetSurface(1); }, "Invalid density surface index, surface count = 0"},
        {[&] { s.SetZCount(1); }, "Invalid Z axis surface point count, must be greater than 1"},
        {[&] { s.SetXSpacing(0); }, "Invalid X axis surface point spacing, must be greater than 1"},
    };
    for (const Case& c : cases) ExpectObjectError(c.action, c.message);
    EXPECT_EQ(graph->Sigma(), 0.8f);
    EXPECT_EQ(s.Sigma(), 0.5f);
    graph->SetSigma(0.5f);
    EXPECT_EQ(graph->Sigma(), 0.5f);
    s.SetPopupZOffset(3);
    EXPECT_EQ(s.PopupZOffset(), 0);
}

TEST(DensityGraph, ExportGivesThreeLatticePointsPerCellTheGraphSigmaAndOneDrillUpCone) {
    auto graph = NewGraph();
    auto grid = graph->GridProps();
    grid->SetWidth(12);
    grid->SetHeight(5);
    grid->SetDepth(9);
    grid->SetXAxisCellCount(4);
    grid->SetZAxisCellCount(3);
    graph->LegendProps()->SetUseSeriesToggle(true);
    graph->SetUseDrillUp(true);
    graph->SetSurfaceCount(2);
    graph->GetSurface(1)->PointList()->Values() = {{2, 2}, {3, 1}};
    graph->GetSurface(2)->PointList()->Values() = {{9, 7}};
    graph->GetSurface(2)->SetSigma(3);

    const std::string first = graph->ExportToString(true, true);
    for (std::int16_t i = 1; i <= 2; ++i) {
        auto s = graph->GetSurface(i);
        EXPECT_EQ(s->Sigma(), 0.8f);
        EXPECT_EQ(s->XCount(), 12);
        EXPECT_EQ(s->ZCount(), 9);
        EXPECT_EQ(s->WireframeNode()->XDimensionField()->Value(), 12);
        EXPECT_FLOAT_EQ(s->XSpacing(), 1);
        EXPECT_FLOAT_EQ(s->ZSpacing(), 1);
        EXPECT_EQ(s->RootTransform()->TranslationField()->Value(), (holvane::Vec3f{0, 0.02f, 0}));
        const auto& h = s->SurfaceNode()->HeightField()->Values();
        ASSERT_EQ(h.size(), 108u);
        EXPECT_EQ(*std::min_element(h.begin(), h.end()), 0);
        EXPECT_FLOAT_EQ(*std::max_element(h.begin(), h.end()), 5);
        EXPECT_EQ(s->WireframeNode()->HeightField()->Values(), h);
    }
    // The single point of surface 2 lies on lattice point (9, 7): the top of the map.
    EXPECT_FLOAT_EQ(graph->GetSurface(2)->SurfaceNode()->HeightField()->Values()[7 * 12 + 9], 5);

    EXPECT_EQ(graph->ExportToString(true, true), first);
    const auto world = vrml_reader::Read(first);
    const auto& children = world.nodes.at(0)->At("children").nodes;
    ASSERT_EQ(children.size(), 11u) << "the parts, the surfaces group and one drill-up cone";
    EXPECT_EQ(children[9]->type, "Group");
    ASSERT_EQ(world.routes.size(), 2u);
    EXPECT_EQ(world.routes[1].fromNode, "CHECK_BOX_2");
    EXPECT_EQ(world.routes[1].toNode, "SURFACE_2");
    EXPECT_EQ(graph->XAxisProps()->Count(), 5);
    EXPECT_EQ(graph->ZAxisProps()->Count(), 4);

    // Three points per cell of 10923 cells need more than a 16-bit count: refused, not wrapped.
    grid->SetXAxisCellCount(10923);
    ExpectError([&] { graph->ExportToString(false, false); }, holvane::kOverflow);
    EXPECT_EQ(graph->GetSurface(1)->XCount(), 12);
}

TEST(DensityGraph, ANaNCoordinateIsRefusedAtExportNamingTheSurfaceAndThePoint) {
    const float nan = std::nanf(""), inf = HUGE_VALF;
    struct Case {
        holvane::Vec2f point;
        std::string position;
    } cases[] = {
        {{nan, 1.5f}, "(x NaN, z 1.5)"},
        {{2, nan}, "(x 2, z NaN)"},
        {{nan, -nan}, "(x NaN, z NaN)"},
        {{inf, nan}, "(x inf, z NaN)"},
    };
    for (const Case& c : cases) {
        auto graph = NewGraph();
        graph->SetSurfaceCount(2);
        graph->GetSurface(1)->PointList()->Values() = {{1, 1}};
        graph->GetSurface(2)->PointList()->Values() = {{1, 1}, {1e30f, -inf}, c.point, {nan, nan}};
        ExpectError([&] { graph->ExportToString(false, false); }, holvane::kInvalidArgument,
                    "Density surface 2: point 3 " + c.position + " has a coordinate that is not a number");
        EXPECT_TRUE(graph->GetSurface(1)->SurfaceNode()->HeightField()->Values().empty())
            << "a refused export lays out no surface";
        ExpectError([&] { graph->GetSurface(2)->GenerateParzenMap(5); }, holvane::kInvalidArgument,
                    "Density surface: point 3 " + c.position + " has a coordinate that is not a number");

        // Mended, the same graph exports; points far away or at infinity add nothing.
        graph->GetSurface(2)->PointList()->Values() = {{1, 1}, {1e30f, -inf}};
        EXPECT_NO_THROW(graph->ExportToString(false, false));
        EXPECT_EQ(graph->GetSurface(2)->SurfaceNode()->HeightField()->Values(),
                  graph->GetSurface(1)->SurfaceNode()->HeightField()->Values());
    }
    // The map itself leaves such a point out rather than reading it.
    EXPECT_EQ(ParzenMap({3, 3, 1, 1}, std::vector<holvane::Vec2f>{{1, 1}, {nan, 1}}, 1),
              ParzenMap({3, 3, 1, 1}, std::vector<holvane::Vec2f>{{1, 1}}, 1));
}
