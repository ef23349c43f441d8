// The column graph: column slots created and removed, the x positions of both spacings, the
// names of toggles and check boxes, the written columns, and refused settings.
#include <gtest/gtest.h>

#include "atrium/column_graph.hpp"
#include "expect_error.hpp"
#include "test_factory.hpp"
#include "vrml_reader.hpp"

using namespace atrium;

namespace {

std::shared_ptr<ColumnGraph> NewGraph() { return TestFactory().CreateColumnGraph(); }

const holvane::SFVec3f& Translation(const ColumnSeriesInfo& s) {
    return *std::static_pointer_cast<holvane::Transform>(s.RootNode())->TranslationField();
}

// The number of series in each slot.
std::vector<int> SlotSizes(const ColumnGraph& graph) {
    std::vector<int> sizes;
    for (const auto& slot : graph.Slots().Slots().Items()) sizes.push_back(slot->Count());
    return sizes;
}

}  // namespace

TEST(ColumnGraph, AFreshGraphHasOneSlotWithOneSeries) {
    auto graph = NewGraph();
    EXPECT_EQ(graph->ColumnsPerCell(), 1);
    EXPECT_EQ(graph->ColumnSpacingStyle(), ColumnCellSpacing::EVENLY_SPACED);
    auto s = graph->GetSeries(1);
    EXPECT_EQ(graph->GetSeries(1, 1), s);
    EXPECT_FLOAT_EQ(s->Depth(), 0.5f);
    ExpectObjectError([&] { graph->GetSeries(1, 2); },
                      "Invalid cell index, there are currently 1 column(s) in each cell");
    ExpectObjectError([&] { graph->GetSeries(2); }, "Invalid series index, series count = 1");

    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    const auto& group = *world.nodes.at(0)->At("children").nodes.at(10);
    ASSERT_EQ(group.At("children").nodes.size(), 1u);
    const auto& toggle = *group.At("children").nodes[0]->At("children").nodes.at(0);
    EXPECT_EQ(toggle.type, "qrx_ContentToggle");
    EXPECT_EQ(toggle.At("children").nodes.at(0)->type, "qrx_OutlinedColumnSeries");
}

TEST(ColumnGraph, SlotsFollowColumnsPerCellAndEachSlotFollowsTheZCells) {
    auto graph = NewGraph();
    auto grid = graph->GridProps();
    grid->SetDepth(4);
    grid->SetZAxisCellCount(2);
    auto kept = graph->GetSeries(1);
    kept->SetLegendText("kept");
    EXPECT_FLOAT_EQ(graph->GetSeries(2)->Depth(), 1);

    graph->SetColumnsPerCell(3);
    EXPECT_EQ(SlotSizes(*graph), (std::vector<int>{2, 2, 2}));
    EXPECT_FLOAT_EQ(graph->GetSeries(2, 3)->Depth(), 1);
    EXPECT_NE(graph->GetSeries(1, 2), graph->GetSeries(1, 3));

    grid->SetZAxisCellCount(3);
    EXPECT_EQ(SlotSizes(*graph), (std::vector<int>{3, 3, 3}));
    EXPECT_FLOAT_EQ(graph->GetSeries(3, 2)->Depth(), 4.0f / 3 / 2);

    auto secondSlotFront = graph->GetSeries(1, 2);
    graph->SetColumnsPerCell(2);
    EXPECT_EQ(SlotSizes(*graph), (std::vector<int>{3, 3}));
    EXPECT_EQ(graph->GetSeries(1, 2), secondSlotFront);
    graph->SetColumnsPerCell(1);
    grid->SetZAxisCellCount(1);
    EXPECT_EQ(SlotSizes(*graph), (std::vector<int>{1}));
    EXPECT_EQ(graph->GetSeries(1), kept);
    EXPECT_EQ(kept->LegendText(), "kept");

    graph->SetColumnsPerCell(2);
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    EXPECT_EQ(world.nodes.at(0)->At("children").nodes.at(10)->At("children").nodes.size(), 2u);
}

TEST(ColumnGraph, ColumnsStandWhereTheSpacingPutsThem) {
    struct Case {
        const char* name;
        ColumnCellSpacing spacing;
        float gridWidth;
        std::int16_t xCells;
        std::vector<float> widths;  // per slot
        std::vector<float> x;       // expected, per slot
    };
    const Case cases[] = {
        {"evenly", ColumnCellSpacing::EVENLY_SPACED, 4, 1, {0.5f, 0.5f, 0.5f}, {1, 2, 3}},
        {"adjacent", ColumnCellSpacing::ADJACENT, 4, 1, {0.5f, 0.5f, 0.5f}, {1.5f, 2, 2.5f}},
        {"any other value is adjacent", static_cast<ColumnCellSpacing>(7), 4, 1, {0.5f, 0.5f, 0.5f}, {1.5f, 2, 2.5f}},
        {"adjacent, two widths", ColumnCellSpacing::ADJACENT, 4, 2, {0.5f, 1}, {0.5f, 1.25f}},
        {"evenly, two cells", ColumnCellSpacing::EVENLY_SPACED, 10, 5, {0.5f, 1}, {2.0f / 3, 4.0f / 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto graph = NewGraph();
        auto grid = graph->GridProps();
        grid->SetWidth(c.gridWidth);
        grid->SetXAxisCellCount(c.xCells);
        grid->SetDepth(2);
        grid->SetZAxisCellCount(2);
        graph->SetColumnsPerCell(static_cast<std::int16_t>(c.widths.size()));
        graph->SetColumnSpacingStyle(c.spacing);
        EXPECT_EQ(graph->ColumnSpacingStyle(), c.spacing);
        for (std::int16_t j = 1; j <= graph->ColumnsPerCell(); ++j)
            for (std::int16_t i = 1; i <= 2; ++i) graph->GetSeries(i, j)->SetWidth(c.widths[j - 1]);
        graph->ExportToString(false, false);
        for (std::int16_t j = 1; j <= graph->ColumnsPerCell(); ++j)
            for (std::int16_t i = 1; i <= 2; ++i) {
                const auto& s = *graph->GetSeries(i, j);
                EXPECT_FLOAT_EQ(Translation(s).X(), c.x[j - 1]) << "slot " << j << " series " << i;
                EXPECT_FLOAT_EQ(Translation(s).Z(), static_cast<float>(i - 1) + 0.25f);
                EXPECT_EQ(s.Count(), c.xCells);
                EXPECT_FLOAT_EQ(s.Spacing(), c.gridWidth / c.xCells);
            }
    }
}

TEST(ColumnGraph, TogglesAndCheckBoxesAreNamedAfterSlotAndSeries) {
    auto graph = NewGraph();
    graph->GridProps()->SetZAxisCellCount(2);
    graph->SetColumnsPerCell(2);
    graph->LegendProps()->SetUseSeriesToggle(true);
    auto routes = [&] {
        std::vector<std::string> out;
        for (const auto& r : vrml_reader::Read(graph->ExportToString(true, true)).routes) {
            EXPECT_EQ(r.eventOut, "value_changed");
            EXPECT_EQ(r.eventIn, "set_contentsExist");
            out.push_back(r.fromNode + ">" + r.toNode);
        }
        return out;
    };
    EXPECT_EQ(routes(), (std::vector<std::string>{
                            "CHECK_BOX_1_1>SERIES_TOGGLE_1_1", "CHECK_BOX_1_2>SERIES_TOGGLE_1_2",
                            "CHECK_BOX_2_1>SERIES_TOGGLE_2_1", "CHECK_BOX_2_2>SERIES_TOGGLE_2_2"}));
    EXPECT_EQ(graph->LegendProps()->Get1CheckBox(3)->DEFName(), "CHECK_BOX_2_1");

    // A series left out of the legend gets no entry, box or name; the others keep theirs.
    graph->GetSeries(1, 2)->SetShowInLegend(false);
    EXPECT_EQ(routes(), (std::vector<std::string>{"CHECK_BOX_1_1>SERIES_TOGGLE_1_1",
                                                  "CHECK_BOX_1_2>SERIES_TOGGLE_1_2",
                                                  "CHECK_BOX_2_2>SERIES_TOGGLE_2_2"}));
    EXPECT_EQ(graph->GetSeries(1, 2)->ContentToggle()->DEFName(), "");
    EXPECT_EQ(graph->LegendProps()->SeriesToggles()->Count(), 3);
    EXPECT_EQ(graph->LegendProps()->Legend()->DescriptionsField()->Count(), 3);

    graph->LegendProps()->SetUseSeriesToggle(false);
    EXPECT_TRUE(routes().empty());
    EXPECT_EQ(graph->GetSeries(1, 1)->ContentToggle()->DEFName(), "");
}

TEST(ColumnGraph, TheWrittenColumnsCarryTheShownFormAndTheHeights) {
    auto graph = NewGraph();
    graph->GridProps()->SetXAxisCellCount(3);
    auto s = graph->GetSeries(1);
    s->Height()->Values() = {1, 2, 3};
    s->SetStyle(ColumnStyle::ROUNDED_COLUMN);
    s->PopupProps()->SetUsePopups(true);
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    const auto& toggle =
        *world.nodes.at(0)->At("children").nodes.at(10)->At("children").nodes.at(0)->At("children").nodes.at(0);
    std::vector<std::string> types;
    for (const auto& child : toggle.At("children").nodes) types.push_back(child->type);
    EXPECT_EQ(types, (std::vector<std::string>{"Transform", "qrx_RoundedColumnSeries"}));
    const auto& columns = *toggle.At("children").nodes[1];
    EXPECT_EQ(columns.At("height").tokens, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(columns.At("xDimension").tokens, (std::vector<std::string>{"3"}));
    EXPECT_EQ(columns.At("appearance").nodes.size(), 1u);
    EXPECT_EQ(s->PopupProps()->Height()->Values(), (std::vector<float>{1, 2, 3}));
}

TEST(ColumnGraph, BadSlotRequestsAreRefusedAndChangeNothing) {
    auto graph = NewGraph();
    graph->GridProps()->SetZAxisCellCount(2);
    graph->SetColumnsPerCell(2);
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { graph->SetColumnsPerCell(0); }, "The number of columns per cell must be greater than or equal to 1"},
        {[&] { graph->SetColumnsPerCell(-3); }, "The number of columns per cell must be greater than or equal to 1"},
        {[&] { graph->GetSeries(1, 0); }, "Invalid cell index, there are currently 2 column(s) in each cell"},
        {[&] { graph->GetSeries(1, 3); }, "Invalid cell index, there are currently 2 column(s) in each cell"},
        {[&] { graph->GetSeries(3, 2); }, "Invalid series index, series count = 2"},
        {[&] { graph->GetSeries(0, 1); }, "Invalid series index, series count = 2"},
        {[&] { graph->Slots().Slots().Get1Series(3); }, "Invalid index into the list"},
    };
    for (const auto& [call, message] : cases) ExpectObjectError(call, message);
    EXPECT_EQ(SlotSizes(*graph), (std::vector<int>{2, 2}));
}
