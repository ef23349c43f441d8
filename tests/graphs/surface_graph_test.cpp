// The surface graph: lattice indexing and its checks, the reset on count changes, the surface
// list, and the export placement with legend toggles.
#include <gtest/gtest.h>

#include <functional>

#include "atrium/graph_factory.hpp"
#include "atrium/surface_graph.hpp"
#include "atrium/template_ctl.hpp"
#include "expect_error.hpp"
#include "vrml_reader.hpp"

using namespace atrium;

namespace {

std::shared_ptr<SurfaceGraph> NewGraph(std::int16_t xCells, std::int16_t zCells, std::int16_t surfaces) {
    static AtriumTemplateCtl control;
    auto graph = control.CreateFactory()->CreateSurfaceGraph();
    graph->GridProps()->SetXAxisCellCount(xCells);
    graph->GridProps()->SetZAxisCellCount(zCells);
    graph->SetSurfaceCount(surfaces);
    return graph;
}

// The three height lists and the pop-up texts of a surface, which must stay in step.
struct Lattice {
    std::vector<float> surface, wires, popups;
    std::vector<std::string> texts;
};
Lattice LatticeOf(const SurfaceInfo& s) {
    auto popups = s.PopupProps()->PopupSurfaceNode();
    return {s.SurfaceNode()->HeightField()->Values(), s.WireframeNode()->HeightField()->Values(),
            popups->HeightField()->Values(), popups->PopupTextField()->Values()};
}

void ExpectLattice(const SurfaceInfo& s, std::size_t points) {
    const Lattice l = LatticeOf(s);
    EXPECT_EQ(l.surface, std::vector<float>(points, 0.0f));
    EXPECT_EQ(l.wires, l.surface);
    EXPECT_EQ(l.popups, l.surface);
    EXPECT_EQ(l.texts, std::vector<std::string>(points));
}

}  // namespace

TEST(SurfaceInfo, PointXZIsEntryZMinusOneTimesXDimensionPlusX) {
    struct Case {
        std::int16_t x, z;
        std::size_t entry;  // 1-based
    } cases[] = {{1, 1, 1}, {3, 1, 3}, {1, 2, 4}, {2, 2, 5}, {3, 2, 6}};
    for (const Case& c : cases) {
        SurfaceInfo s;
        s.SetXCount(3);
        s.SetZCount(2);
        float h = 2.5f;
        s.Set1HeightPoint(c.x, c.z, h, "v");
        const Lattice l = LatticeOf(s);
        for (std::size_t k = 1; k <= 6; ++k) {
            const float want = k == c.entry ? 2.5f : 0.0f;
            EXPECT_EQ(l.surface[k - 1], want) << c.x << "," << c.z << " entry " << k;
            EXPECT_EQ(l.wires[k - 1], want);
            EXPECT_EQ(l.popups[k - 1], want);
            EXPECT_EQ(l.texts[k - 1], k == c.entry ? "v" : "");
        }
    }
}

TEST(SurfaceInfo, BadPointsAndLatticesAreRefusedWithoutChange) {
    SurfaceInfo s;
    s.SetXCount(3);
    s.SetZCount(2);
    float h = 1;
    const std::string x = "Invalid X axis surface point, must be in the range [1..3";
    const std::string z = "Invalid Z axis surface point, must be in the range [1..2";
    struct Case {
        std::function<void()> action;
        std::string message;
    } cases[] = {
        {[&] { s.Set1HeightPoint(4, 1, h, "t"); }, x},
        {[&] { s.Set1HeightPoint(0, 1, h, "t"); }, x},
        {[&] { s.Set1HeightPoint(4, 3, h, "t"); }, x},  // X is tested first
        {[&] { s.Set1HeightPoint(1, 3, h, "t"); }, z},
        {[&] { s.Set1HeightPoint(1, 0, h, "t"); }, z},
        {[&] { s.SetXCount(1); }, "Invalid X axis surface point count, must be greater than 1"},
        {[&] { s.SetZCount(-2); }, "Invalid Z axis surface point count, must be greater than 1"},
        {[&] { s.SetXSpacing(0); }, "Invalid X axis surface point spacing, must be greater than 1"},
        {[&] { s.SetZSpacing(-1); }, "Invalid Z axis surface point spacing, must be greater than 1"},
        {[&] { s.PopupProps()->SetTextHeight(0); }, "Invalid popup height, must be greater than 0"},
    };
    for (const Case& c : cases) ExpectObjectError(c.action, c.message);
    EXPECT_EQ(s.XCount(), 3);
    EXPECT_EQ(s.ZCount(), 2);
    ExpectLattice(s, 6);
    s.SetXSpacing(0.5f);  // below 1 is accepted
    EXPECT_EQ(s.XSpacing(), 0.5f);
    EXPECT_EQ(s.PopupProps()->PopupSurfaceNode()->XSpacingField()->Value(), 0.5f);
    EXPECT_EQ(s.WireframeNode()->XSpacingField()->Value(), 0.5f);

    // A height list the host has emptied is padded to the lattice, not written past its end.
    s.SurfaceNode()->HeightField()->Clear();
    s.Set1HeightPoint(3, 2, h, "last");
    EXPECT_EQ(s.SurfaceNode()->HeightField()->Values(), (std::vector<float>{0, 0, 0, 0, 0, 1}));
}

TEST(SurfaceGraph, GridCountChangesResetEverySurfaceAndNewSurfacesFitTheGrid) {
    auto graph = NewGraph(5, 3, 2);
    for (std::int16_t i = 1; i <= 2; ++i) {
        ExpectLattice(*graph->GetSurface(i), 15);
        float h = 4;
        graph->GetSurface(i)->Set1HeightPoint(5, 3, h, "4.00");
    }
    graph->GridProps()->SetXAxisCellCount(6);
    for (std::int16_t i = 1; i <= 2; ++i) {
        EXPECT_EQ(graph->GetSurface(i)->XCount(), 6);
        EXPECT_EQ(graph->GetSurface(i)->PopupProps()->PopupSurfaceNode()->XDimensionField()->Value(), 6);
        ExpectLattice(*graph->GetSurface(i), 18);
    }
    graph->GridProps()->SetZAxisCellCount(4);
    ExpectLattice(*graph->GetSurface(2), 24);

    auto kept = graph->GetSurface(1);
    graph->SetSurfaceCount(3);
    EXPECT_EQ(graph->GetSurface(1), kept);
    ExpectLattice(*graph->GetSurface(3), 24);
    graph->SetSurfaceCount(1);
    EXPECT_EQ(graph->SurfaceCount(), 1);
    EXPECT_EQ(graph->GetSurface(1), kept);
    ExpectObjectError([&] { graph->GetSurface(2); }, "Invalid surface index, surface count = 1");
    ExpectObjectError([&] { graph->GridProps()->SetXAxisCellCount(1); },
                      "Invalid X axis surface point count, must be greater than 1");
}

TEST(SurfaceGraph, ExportPlacesSurfacesOverTheCellCentresWithLegendToggles) {
    auto graph = NewGraph(4, 2, 2);
    graph->GridProps()->SetWidth(8);
    graph->GridProps()->SetDepth(4);
    graph->LegendProps()->SetUseSeriesToggle(true);
    graph->GetSurface(1)->SetLegendText("first");  // the second keeps an empty text
    graph->GetSurface(2)->PopupProps()->SetUsePopups(true);
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    for (std::int16_t i = 1; i <= 2; ++i) {
        auto s = graph->GetSurface(i);
        EXPECT_EQ(s->XSpacing(), 2);
        EXPECT_EQ(s->ZSpacing(), 2);
        EXPECT_EQ(s->PopupProps()->PopupSurfaceNode()->ZSpacingField()->Value(), 2);
        EXPECT_FLOAT_EQ(s->PopupProps()->PopupSurfaceNode()->RadiusField()->Value(), 0.3f);
        const auto& t = s->RootTransform()->TranslationField()->Value();
        EXPECT_EQ(t, (holvane::Vec3f{1, 0.01f, 1}));
        EXPECT_EQ(s->ContentToggle()->DEFName(), "SURFACE_" + std::to_string(i));
    }
    EXPECT_EQ(graph->LegendProps()->Legend()->DescriptionsField()->Values(), (std::vector<std::string>{"", "first"})) << "newest entry first";
    ASSERT_EQ(world.routes.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        EXPECT_EQ(world.routes[k].fromNode, "CHECK_BOX_" + std::to_string(k + 1));
        EXPECT_EQ(world.routes[k].eventOut, "value_changed");
        EXPECT_EQ(world.routes[k].toNode, "SURFACE_" + std::to_string(k + 1));
        EXPECT_EQ(world.routes[k].eventIn, "set_contentsExist");
    }
    EXPECT_EQ(graph->ExportToString(true, true), graph->ExportToString(true, true));
}
