// The two combination graphs: check boxes numbered on from the series into the surfaces, the
// surfaces' pop-up offset from the deepest series, and surfaces keeping their lattices.
#include <gtest/gtest.h>

#include <type_traits>

#include "atrium/rc_combo_graph.hpp"
#include "atrium/sc_combo_graph.hpp"
#include "expect_error.hpp"
#include "test_factory.hpp"
#include "vrml_reader.hpp"

using namespace atrium;

namespace {

std::shared_ptr<SCComboGraph> Create(const SCComboGraph*) { return TestFactory().CreateSCComboGraph(); }
std::shared_ptr<RCComboGraph> Create(const RCComboGraph*) { return TestFactory().CreateRCComboGraph(); }

// Both kinds run every case; what differs is the series' names in the written routes.
template <class G>
class ComboGraph : public testing::Test {
protected:
    static std::shared_ptr<G> NewGraph(std::int16_t xCells, std::int16_t zCells) {
        auto graph = Create(static_cast<const G*>(nullptr));
        graph->GridProps()->SetXAxisCellCount(xCells);
        graph->GridProps()->SetZAxisCellCount(zCells);
        return graph;
    }
    static std::string SeriesToggle(int i) {
        return (std::is_same_v<G, SCComboGraph> ? "SERIES_TOGGLE_1_" : "SERIES_TOGGLE_") + std::to_string(i);
    }
    // The column boxes are named after their series, the ribbon boxes keep their numbers.
    static std::string SeriesBox(int series, int box) {
        return std::is_same_v<G, SCComboGraph> ? "CHECK_BOX_1_" + std::to_string(series)
                                               : "CHECK_BOX_" + std::to_string(box);
    }
};
using Kinds = testing::Types<SCComboGraph, RCComboGraph>;
TYPED_TEST_SUITE(ComboGraph, Kinds);

}  // namespace

TYPED_TEST(ComboGraph, SurfaceBoxesFollowTheSeriesShownInTheLegend) {
    auto graph = this->NewGraph(4, 3);
    graph->SetSurfaceCount(2);
    graph->LegendProps()->SetUseSeriesToggle(true);
    graph->GetSeries(2)->SetShowInLegend(false);
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    const std::pair<std::string, std::string> want[] = {{this->SeriesBox(1, 1), this->SeriesToggle(1)},
                                                        {this->SeriesBox(3, 2), this->SeriesToggle(3)},
                                                        {"CHECK_BOX_3", "SURFACE_1"},
                                                        {"CHECK_BOX_4", "SURFACE_2"}};
    ASSERT_EQ(world.routes.size(), std::size(want));
    for (std::size_t k = 0; k < std::size(want); ++k) {
        EXPECT_EQ(world.routes[k].fromNode, want[k].first) << k;
        EXPECT_EQ(world.routes[k].toNode, want[k].second) << k;
    }
    EXPECT_EQ(graph->LegendProps()->Legend()->DescriptionsField()->Count(), 4);
    // The surfaces stand in the root's last child, the series in the one before.
    const auto& children =
        std::static_pointer_cast<holvane::Transform>(graph->RootNode())->ChildrenField()->Values();
    const auto surfaces = std::static_pointer_cast<holvane::Group>(children.back())->ChildrenField();
    ASSERT_EQ(surfaces->Count(), 2);
    EXPECT_EQ(surfaces->Values()[1], graph->GetSurface(2)->RootNode());
    EXPECT_EQ(std::static_pointer_cast<holvane::Group>(children[children.size() - 2])->ChildrenField()->Count(), 3);

    graph->SetSurfaceCount(0);
    graph->ExportToString(false, false);
    EXPECT_EQ(surfaces->Count(), 0);
    ExpectObjectError([&] { graph->GetSurface(1); }, "Invalid surface index, surface count = 0");
}

TYPED_TEST(ComboGraph, PopupsStandInFrontOfTheDeepestSeries) {
    struct Case {
        float depths[3];
        float offset;
    } cases[] = {{{0.5f, 1.0f, 0.8f}, 0.6f}, {{0.25f, 0.1f, 0.1f}, 0.15f}};
    for (const Case& c : cases) {
        auto graph = this->NewGraph(4, 3);
        graph->SetSurfaceCount(2);
        graph->GetSurface(2)->SetPopupZOffset(2);
        for (std::int16_t i = 1; i <= 3; ++i) graph->GetSeries(i)->SetDepth(c.depths[i - 1]);
        graph->ExportToString(false, false);
        for (std::int16_t i = 1; i <= 2; ++i)
            EXPECT_FLOAT_EQ(graph->GetSurface(i)->PopupZOffset(), c.offset) << c.offset << " surface " << i;
    }
}

// A surface needs two Z cells, which bring their series along, so a graph with surfaces and no
// series cannot be built: the depth rule is checked on its own.
TEST(ComboGraph, TheDeepestOfNoSeriesIsZero) {
    EXPECT_EQ(DeepestOf(std::vector<std::shared_ptr<RibbonSeriesInfo>>{}), 0);
    auto ribbon = std::make_shared<RibbonSeriesInfo>();
    ribbon->SetDepth(0.4f);
    EXPECT_FLOAT_EQ(DeepestOf(std::vector{ribbon}, 0.7f), 0.7f);
    EXPECT_FLOAT_EQ(DeepestOf(std::vector{ribbon}), 0.4f);
}

TYPED_TEST(ComboGraph, SurfacesKeepTheirLatticeWhenTheGridChanges) {
    auto graph = this->NewGraph(4, 3);
    graph->SetSurfaceCount(1);
    graph->GridProps()->SetXAxisCellCount(5);
    graph->GridProps()->SetZAxisCellCount(2);
    graph->SetSurfaceCount(2);
    struct Case {
        std::int16_t surface, x, z;
    } cases[] = {{1, 4, 3}, {2, 5, 2}};
    for (const Case& c : cases) {
        EXPECT_EQ(graph->GetSurface(c.surface)->XCount(), c.x) << c.surface;
        EXPECT_EQ(graph->GetSurface(c.surface)->ZCount(), c.z) << c.surface;
    }
    // The series still follow the Z cell count.
    ExpectObjectError([&] { graph->GetSeries(3); }, "Invalid series index, series count = 2");
}
