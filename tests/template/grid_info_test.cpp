#include "atrium/grid_info.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"
#include "holvane/routes.hpp"
#include "holvane/traverser.hpp"
#include "vrml_reader.hpp"
#include "expect_error.hpp"

namespace {

using atrium::GridInfo;

// Every count each of the three events delivered, in order.
struct EventLog {
    std::vector<int> x, y, z;
    std::vector<atrium::Subscription> subscriptions;
    explicit EventLog(GridInfo& grid) {
        subscriptions.push_back(grid.OnXCellCountChanged([this](std::int16_t n) { x.push_back(n); }));
        subscriptions.push_back(grid.OnYCellCountChanged([this](std::int16_t n) { y.push_back(n); }));
        subscriptions.push_back(grid.OnZCellCountChanged([this](std::int16_t n) { z.push_back(n); }));
    }
};

// ---- the fresh grid ----

TEST(GridInfo, FreshGridIsUnitBoxWithOneCellPerAxisBlackLinesWhiteWalls) {
    atrium::SetProtoPath("../protos/");
    const GridInfo grid;
    atrium::SetProtoPath("");
    EXPECT_EQ(grid.Width(), 1.0f);
    EXPECT_EQ(grid.Height(), 1.0f);
    EXPECT_EQ(grid.Depth(), 1.0f);
    EXPECT_EQ(grid.XAxisCellCount(), 1);
    EXPECT_EQ(grid.YAxisCellCount(), 1);
    EXPECT_EQ(grid.ZAxisCellCount(), 1);
    EXPECT_EQ(grid.LineColor(), 0);
    EXPECT_EQ(grid.WallColor(), 0xFFFFFF);
    EXPECT_EQ(grid.Transparency(), 0.0f);
    EXPECT_EQ(grid.ChartGrid()->SourceFile(), "../protos/HV_GRAPH.wrl");

    // Written: an unmoved Transform holding the chart grid, its material white.
    holvane::VRMLStringTraverser writer;
    const auto world = vrml_reader::Read(writer.Write(*grid.RootNode(), holvane::RouteCollection{}));
    const auto& root = *world.nodes.at(0);
    EXPECT_EQ(root.Find("translation"), nullptr);
    const auto& chart = *root.At("children").nodes.at(0);
    EXPECT_EQ(chart.type, "qrx_ChartGrid");
    const auto& material = *chart.At("appearance").nodes.at(0)->At("material").nodes.at(0);
    EXPECT_EQ(material.At("diffuseColor").tokens, (std::vector<std::string>{"1", "1", "1"}));
}

// ---- cell counts and extents ----

TEST(GridInfo, CellCountKeepsExtentAndExtentKeepsCellCount) {
    GridInfo grid;
    EventLog log(grid);
    grid.SetXAxisCellCount(4);
    EXPECT_EQ(grid.Width(), 1.0f);
    EXPECT_EQ(grid.XAxisCellCount(), 4);
    EXPECT_EQ(grid.ChartGrid()->XDimensionField()->Value(), 5);
    EXPECT_EQ(grid.ChartGrid()->XSpacingField()->Value(), 0.25f);
    EXPECT_EQ(log.x, std::vector<int>{4});

    grid.SetWidth(8.0f);
    EXPECT_EQ(grid.ChartGrid()->XSpacingField()->Value(), 2.0f);
    EXPECT_EQ(grid.XAxisCellCount(), 4);
    EXPECT_EQ(grid.Width(), 8.0f);
    EXPECT_EQ(log.x, std::vector<int>{4});  // extents raise nothing
    EXPECT_TRUE(log.y.empty());
    EXPECT_TRUE(log.z.empty());
}

TEST(GridInfo, EachAxisUsesItsOwnFieldsAndEvent) {
    GridInfo grid;
    EventLog log(grid);
    grid.SetHeight(6.0f);
    grid.SetYAxisCellCount(3);
    grid.SetDepth(3.0f);
    grid.SetZAxisCellCount(2);
    const auto& chart = *grid.ChartGrid();
    EXPECT_EQ(chart.YDimensionField()->Value(), 4);
    EXPECT_EQ(chart.YSpacingField()->Value(), 2.0f);
    EXPECT_EQ(chart.ZDimensionField()->Value(), 3);
    EXPECT_EQ(chart.ZSpacingField()->Value(), 1.5f);
    EXPECT_EQ(chart.XDimensionField()->Value(), 2);
    EXPECT_EQ(chart.XSpacingField()->Value(), 1.0f);
    EXPECT_EQ(grid.Height(), 6.0f);
    EXPECT_EQ(grid.Depth(), 3.0f);
    EXPECT_TRUE(log.x.empty());
    EXPECT_EQ(log.y, std::vector<int>{3});
    EXPECT_EQ(log.z, std::vector<int>{2});
}

TEST(GridInfo, LargestCellCountIsAccepted) {
    GridInfo grid;
    grid.SetZAxisCellCount(std::numeric_limits<std::int16_t>::max());
    EXPECT_EQ(grid.ChartGrid()->ZDimensionField()->Value(), 32768);
    EXPECT_EQ(grid.ZAxisCellCount(), 32767);
}

// ---- events ----

TEST(GridInfo, EventIsRaisedOnEverySetAfterTheFieldsChange) {
    GridInfo grid;
    grid.SetDepth(3.0f);
    std::vector<std::pair<int, float>> seen;  // the count and the spacing a handler reads
    auto sub = grid.OnZCellCountChanged([&](std::int16_t n) {
        EXPECT_EQ(grid.ZAxisCellCount(), n);
        seen.emplace_back(n, grid.ChartGrid()->ZSpacingField()->Value());
    });
    grid.SetZAxisCellCount(3);
    grid.SetZAxisCellCount(3);
    grid.SetZAxisCellCount(1);  // the current count of a fresh grid raises too
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(3, 1.0f));
    EXPECT_EQ(seen[1], std::make_pair(3, 1.0f));
    EXPECT_EQ(seen[2], std::make_pair(1, 3.0f));
}

TEST(GridInfo, EndedSubscriptionsAreNotCalled) {
    GridInfo grid;
    int first = 0, second = 0;
    auto a = grid.OnXCellCountChanged([&](std::int16_t) { ++first; });
    {
        auto b = grid.OnXCellCountChanged([&](std::int16_t) { ++second; });
        EXPECT_TRUE(b.Active());
        grid.SetXAxisCellCount(2);
    }
    grid.SetXAxisCellCount(2);
    atrium::Subscription moved = std::move(a);
    grid.SetXAxisCellCount(2);
    moved.Reset();
    EXPECT_FALSE(moved.Active());
    grid.SetXAxisCellCount(2);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 1);
}

TEST(GridInfo, HandlerMayEndAnotherDuringARaiseAndSubscriptionMayOutliveTheGrid) {
    int laterCalls = 0;
    atrium::Subscription later;
    {
        GridInfo grid;
        auto first = grid.OnZCellCountChanged([&](std::int16_t) { later.Reset(); });
        later = grid.OnZCellCountChanged([&](std::int16_t) { ++laterCalls; });
        grid.SetZAxisCellCount(2);
        later = grid.OnZCellCountChanged([](std::int16_t) {});
    }
    EXPECT_EQ(laterCalls, 0);
    EXPECT_FALSE(later.Active());
    later.Reset();  // its grid is gone: nothing left to unsubscribe from
}

// ---- validation ----

TEST(GridInfo, InvalidExtentsFailWithTheirMessageAndChangeNothing) {
    GridInfo grid;
    grid.SetXAxisCellCount(4);
    ExpectObjectError([&] { grid.SetWidth(0.0f); }, "The graph must be wider than 0");
    ExpectObjectError([&] { grid.SetWidth(-2.0f); }, "The graph must be wider than 0");
    ExpectObjectError([&] { grid.SetWidth(std::nanf("")); }, "The graph must be wider than 0");
    ExpectObjectError([&] { grid.SetHeight(0.0f); }, "The graph must be taller than 0");
    ExpectObjectError([&] { grid.SetDepth(-0.0f); }, "The graph must be deeper than 0");
    EXPECT_EQ(grid.ChartGrid()->XSpacingField()->Value(), 0.25f);
    EXPECT_EQ(grid.Width(), 1.0f);
    EXPECT_EQ(grid.Height(), 1.0f);
    EXPECT_EQ(grid.Depth(), 1.0f);
}

TEST(GridInfo, InvalidCellCountsFailWithTheirMessageChangeNothingAndRaiseNothing) {
    GridInfo grid;
    grid.SetWidth(5.0f);
    EventLog log(grid);
    ExpectObjectError([&] { grid.SetXAxisCellCount(0); }, "The graph must have at least one cell on the X axis");
    ExpectObjectError([&] { grid.SetXAxisCellCount(-3); }, "The graph must have at least one cell on the X axis");
    ExpectObjectError([&] { grid.SetYAxisCellCount(0); }, "The graph must have at least one cell on the Y axis");
    ExpectObjectError([&] { grid.SetZAxisCellCount(0); }, "The graph must have at least one cell on the Z axis");
    EXPECT_EQ(grid.ChartGrid()->XDimensionField()->Value(), 2);
    EXPECT_EQ(grid.ChartGrid()->XSpacingField()->Value(), 5.0f);
    EXPECT_TRUE(log.x.empty());
    EXPECT_TRUE(log.y.empty());
    EXPECT_TRUE(log.z.empty());
}

TEST(GridInfo, AnExtentTooSmallForItsCellsIsRefusedNamingTheAxis) {
    GridInfo grid;
    grid.SetWidth(1e-45f);
    grid.SetYAxisCellCount(3);
    grid.SetZAxisCellCount(2);
    EventLog log(grid);
    ExpectObjectError([&] { grid.SetXAxisCellCount(3); },
                      "The graph's width (1e-45) is too small to divide into 3 cells on the X axis");
    ExpectObjectError([&] { grid.SetHeight(1e-45f); },
                      "The graph's height (1e-45) is too small to divide into 3 cells on the Y axis");
    ExpectObjectError([&] { grid.SetDepth(1e-45f); },
                      "The graph's depth (1e-45) is too small to divide into 2 cells on the Z axis");
    EXPECT_EQ(grid.XAxisCellCount(), 1);
    EXPECT_EQ(grid.Width(), 1e-45f);
    EXPECT_EQ(grid.Height(), 1.0f);
    EXPECT_EQ(grid.Depth(), 1.0f);
    EXPECT_TRUE(log.x.empty());
}

TEST(GridInfo, TransparencyAcceptsBothEndsAndRejectsOutside) {
    GridInfo grid;
    grid.SetTransparency(1.0f);
    EXPECT_EQ(grid.Transparency(), 1.0f);
    grid.SetTransparency(0.0f);
    EXPECT_EQ(grid.Transparency(), 0.0f);
    grid.SetTransparency(0.4f);
    ExpectObjectError([&] { grid.SetTransparency(1.5f); }, "Transparency must be in the range [0..1]");
    ExpectObjectError([&] { grid.SetTransparency(-0.01f); }, "Transparency must be in the range [0..1]");
    ExpectObjectError([&] { grid.SetTransparency(std::nanf("")); }, "Transparency must be in the range [0..1]");
    EXPECT_EQ(grid.Transparency(), 0.4f);
}

}  // namespace

TEST(GridInfo, AFailingHandlerLeavesTheGridAsItWasAndUndoesTheHandlersBefore) {
    GridInfo grid;
    grid.SetZAxisCellCount(2);
    std::vector<int> first, last;
    auto a = grid.OnZCellCountChanged([&](std::int16_t n) { first.push_back(n); });
    auto failing = grid.OnZCellCountChanged([](std::int16_t n) {
        if (n > 4) holvane::Fail("too many");
    });
    auto b = grid.OnZCellCountChanged([&](std::int16_t n) { last.push_back(n); });
    const auto spacing = grid.ChartGrid()->ZSpacingField()->Value();
    ExpectObjectError([&] { grid.SetZAxisCellCount(5); }, "too many");
    EXPECT_EQ(grid.ZAxisCellCount(), 2);
    EXPECT_EQ(grid.ChartGrid()->ZSpacingField()->Value(), spacing);
    EXPECT_EQ(first, (std::vector<int>{5, 2})) << "a handler that ran gets the old count back";
    EXPECT_TRUE(last.empty()) << "handlers after the failing one never saw the new count";
    grid.SetZAxisCellCount(3);
    EXPECT_EQ(last, (std::vector<int>{3}));
}
