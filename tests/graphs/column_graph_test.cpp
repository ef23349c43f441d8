// The column graph: column slots created and removed, the x positions of both spacings, the
// names of toggles and check boxes, and refused requests.
#include <gtest/gtest.h>

#include "atrium/column_graph.hpp"
#include "expect_error.hpp"
#include "test_factory.hpp"
#include "vrml_reader.hpp"

using namespace atrium;

namespace {

std::shared_ptr<ColumnGraph> NewGraph() { return TestFactory().CreateColumnGraph(); }

// The number of series in each slot: the series a slot hands out before it refuses an index.
std::vector<int> SlotSizes(const ColumnGraph& graph) {
    std::vector<int> sizes;
    for (std::int16_t slot = 1; slot <= graph.ColumnsPerCell(); ++slot) {
        std::int16_t count = 0;
        try {
            while (graph.GetSeries(static_cast<std::int16_t>(count + 1), slot)) ++count;
        } catch (const holvane::Error&) {
        }
        sizes.push_back(count);
    }
    return sizes;
}

}  // namespace

TEST(ColumnGraph, SlotsFollowColumnsPerCellAndEachSlotFollowsTheZCells) {
    auto graph = NewGraph();
    EXPECT_EQ(SlotSizes(*graph), (std::vector<int>{1}));
    auto kept = graph->GetSeries(1);
    EXPECT_FLOAT_EQ(kept->Depth(), 0.5f);
    auto grid = graph->GridProps();
    grid->SetDepth(4);
    grid->SetZAxisCellCount(2);

    graph->SetColumnsPerCell(3);
    EXPECT_EQ(SlotSizes(*graph), (std::vector<int>{2, 2, 2}));
    EXPECT_FLOAT_EQ(graph->GetSeries(2, 3)->Depth(), 1);
    grid->SetZAxisCellCount(3);
    EXPECT_EQ(SlotSizes(*graph), (std::vector<int>{3, 3, 3}));

    auto secondSlotFront = graph->GetSeries(1, 2);
    graph->SetColumnsPerCell(2);
    EXPECT_EQ(graph->GetSeries(1, 2), secondSlotFront);
    graph->SetColumnsPerCell(1);
    grid->SetZAxisCellCount(1);
    EXPECT_EQ(SlotSizes(*graph), (std::vector<int>{1}));
    EXPECT_EQ(graph->GetSeries(1), kept);
    EXPECT_FLOAT_EQ(kept->Depth(), 0.5f);
}

TEST(ColumnGraph, ColumnsStandWhereTheSpacingPutsThem) {
    struct Case {
        const char* name;
        ColumnCellSpacing spacing;
        std::int16_t xCells;        // of a grid 4 wide
        std::vector<float> widths;  // per slot
        std::vector<float> x;       // expected, per slot
    };
    const Case cases[] = {
        {"evenly", ColumnCellSpacing::EVENLY_SPACED, 1, {0.5f, 0.5f, 0.5f}, {1, 2, 3}},
        {"adjacent", ColumnCellSpacing::ADJACENT, 1, {0.5f, 0.5f, 0.5f}, {1.5f, 2, 2.5f}},
        {"any other value", static_cast<ColumnCellSpacing>(7), 1, {0.5f, 0.5f, 0.5f}, {1.5f, 2, 2.5f}},
        {"adjacent, two widths", ColumnCellSpacing::ADJACENT, 2, {0.5f, 1}, {0.5f, 1.25f}},
        {"evenly, two cells", ColumnCellSpacing::EVENLY_SPACED, 2, {0.5f, 1}, {2.0f / 3, 4.0f / 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto graph = NewGraph();
        auto grid = graph->GridProps();
        grid->SetWidth(4);
        grid->SetXAxisCellCount(c.xCells);
        grid->SetDepth(2);
        grid->SetZAxisCellCount(2);
        graph->SetColumnsPerCell(static_cast<std::int16_t>(c.widths.size()));
        graph->SetColumnSpacingStyle(c.spacing);
        for (std::int16_t j = 1; j <= graph->ColumnsPerCell(); ++j)
            for (std::int16_t i = 1; i <= 2; ++i) graph->GetSeries(i, j)->SetWidth(c.widths[j - 1]);
        graph->ExportToString(false, false);
        for (std::int16_t j = 1; j <= graph->ColumnsPerCell(); ++j)
            for (std::int16_t i = 1; i <= 2; ++i) {
                const auto& s = *graph->GetSeries(i, j);
                const auto& t = *std::static_pointer_cast<holvane::Transform>(s.RootNode())->TranslationField();
                EXPECT_FLOAT_EQ(t.X(), c.x[j - 1]) << "slot " << j << " series " << i;
                EXPECT_FLOAT_EQ(t.Z(), static_cast<float>(i - 1) + 0.25f);
                EXPECT_EQ(s.Count(), c.xCells);
                EXPECT_FLOAT_EQ(s.Spacing(), 4.0f / c.xCells);
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
        for (const auto& r : vrml_reader::Read(graph->ExportToString(true, true)).routes)
            out.push_back(r.fromNode + "." + r.eventOut + ">" + r.toNode + "." + r.eventIn);
        return out;
    };
    const auto route = [](const char* box, const char* toggle) {
        return std::string(box) + ".value_changed>" + toggle + ".set_contentsExist";
    };
    EXPECT_EQ(routes(), (std::vector<std::string>{route("CHECK_BOX_1_1", "SERIES_TOGGLE_1_1"),
                                                  route("CHECK_BOX_1_2", "SERIES_TOGGLE_1_2"),
                                                  route("CHECK_BOX_2_1", "SERIES_TOGGLE_2_1"),
                                                  route("CHECK_BOX_2_2", "SERIES_TOGGLE_2_2")}));

    // A series left out of the legend gets no entry, box or name; the others keep theirs.
    graph->GetSeries(1, 2)->SetShowInLegend(false);
    EXPECT_EQ(routes(), (std::vector<std::string>{route("CHECK_BOX_1_1", "SERIES_TOGGLE_1_1"),
                                                  route("CHECK_BOX_1_2", "SERIES_TOGGLE_1_2"),
                                                  route("CHECK_BOX_2_2", "SERIES_TOGGLE_2_2")}));
    EXPECT_EQ(graph->GetSeries(1, 2)->ContentToggle()->DEFName(), "");
    EXPECT_EQ(graph->LegendProps()->Get1CheckBox(3)->DEFName(), "CHECK_BOX_2_2");

    graph->LegendProps()->SetUseSeriesToggle(false);
    EXPECT_TRUE(routes().empty());
    EXPECT_EQ(graph->GetSeries(1, 1)->ContentToggle()->DEFName(), "");
}

TEST(ColumnGraph, BadSlotRequestsAreRefusedAndChangeNothing) {
    auto graph = NewGraph();
    ExpectObjectError([&] { graph->GetSeries(1, 2); },
                      "Invalid cell index, there are currently 1 column(s) in each cell");
    graph->GridProps()->SetZAxisCellCount(2);
    graph->SetColumnsPerCell(2);
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { graph->SetColumnsPerCell(0); }, "The number of columns per cell must be greater than or equal to 1"},
        {[&] { graph->SetColumnsPerCell(-3); }, "The number of columns per cell must be greater than or equal to 1"},
        {[&] { graph->GetSeries(1, 0); }, "Invalid cell index, there are currently 2 column(s) in each cell"},
        {[&] { graph->GetSeries(1, 3); }, "Invalid cell index, there are currently 2 column(s) in each cell"},
        {[&] { graph->GetSeries(3, 2); }, "Invalid series index, series count = 2"},
        {[&] { graph->GetSeries(0, 1); }, "Invalid series index, series count = 2"},
    };
    for (const auto& [call, message] : cases) ExpectObjectError(call, message);
    EXPECT_EQ(SlotSizes(*graph), (std::vector<int>{2, 2}));
}
