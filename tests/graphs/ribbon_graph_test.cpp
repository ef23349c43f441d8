// The ribbon graph: one ribbon per Z cell, its placement, its legend toggles, and the written
// ribbon after a style switch.
#include <gtest/gtest.h>

#include "atrium/ribbon_graph.hpp"
#include "expect_error.hpp"
#include "test_factory.hpp"
#include "vrml_reader.hpp"

using namespace atrium;

TEST(RibbonGraph, RibbonsFollowTheZCellsAndStandCentredInThem) {
    auto graph = TestFactory().CreateRibbonGraph();
    ExpectObjectError([&] { graph->GetSeries(1); }, "Invalid series index, series count = 0");
    auto grid = graph->GridProps();
    grid->SetWidth(10);
    grid->SetXAxisCellCount(8);
    grid->SetDepth(6);
    grid->SetZAxisCellCount(3);
    auto s = graph->GetSeries(2);
    EXPECT_FLOAT_EQ(s->Depth(), 1);
    graph->ExportToString(false, false);
    auto t = std::static_pointer_cast<holvane::Transform>(s->RootNode())->TranslationField();
    EXPECT_FLOAT_EQ(t->X(), 0.625f);
    EXPECT_FLOAT_EQ(t->Z(), 2.5f);
    EXPECT_EQ(s->RoundedNode()->XDimensionField()->Value(), 8);
    EXPECT_FLOAT_EQ(s->RoundedNode()->XSpacingField()->Value(), 1.25f);

    auto first = graph->GetSeries(1);
    first->SetStyle(RibbonStyle::ROUNDED_RIBBON);
    grid->SetZAxisCellCount(1);
    ASSERT_EQ(graph->Series().Count(), 1);
    EXPECT_EQ(graph->GetSeries(1), first);
    EXPECT_EQ(first->Style(), RibbonStyle::ROUNDED_RIBBON);
}

TEST(RibbonGraph, LegendBoxesSwitchTheRibbonsShownInTheLegend) {
    auto graph = TestFactory().CreateRibbonGraph();
    graph->GridProps()->SetZAxisCellCount(3);
    graph->LegendProps()->SetUseSeriesToggle(true);
    graph->ExportToString(false, false);
    // Left out after an export that named its toggle: it loses the name with the route.
    graph->GetSeries(2)->SetShowInLegend(false);
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    ASSERT_EQ(world.routes.size(), 2u);
    EXPECT_EQ(world.routes[0].fromNode, "CHECK_BOX_1");
    EXPECT_EQ(world.routes[0].toNode, "SERIES_TOGGLE_1");
    EXPECT_EQ(world.routes[1].fromNode, "CHECK_BOX_2");
    EXPECT_EQ(world.routes[1].toNode, "SERIES_TOGGLE_3");
    EXPECT_EQ(world.defs.count("SERIES_TOGGLE_2"), 0u);
    EXPECT_EQ(graph->LegendProps()->Legend()->DescriptionsField()->Count(), 2);
}

TEST(RibbonGraph, TheWrittenRibbonIsTheShownFormWithItsHeights) {
    auto graph = TestFactory().CreateRibbonGraph();
    graph->GridProps()->SetZAxisCellCount(1);
    graph->GridProps()->SetXAxisCellCount(2);
    graph->LegendProps()->SetUseSeriesToggle(true);
    auto s = graph->GetSeries(1);
    s->Height()->Values() = {0.5f, 1.5f};
    s->SetBevelRadius(0.05f);
    s->SetStyle(RibbonStyle::ROUNDED_RIBBON);
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    const auto& children = world.defs.at("SERIES_TOGGLE_1")->At("children").nodes;
    ASSERT_EQ(children.size(), 2u);
    const auto& ribbon = *children[1];
    EXPECT_EQ(ribbon.type, "qrx_RoundedRibbonSeries");
    EXPECT_EQ(ribbon.At("height").tokens, (std::vector<std::string>{"0.5", "1.5"}));
    EXPECT_EQ(ribbon.At("bevelRadius").tokens, (std::vector<std::string>{"0.05"}));
    // The appearance is the legend entry's, written there first and used here.
    EXPECT_EQ(world.defs.at(ribbon.At("appearance").nodes.at(0)->use)->type, "Appearance");
    EXPECT_EQ(s->PopupProps()->Height()->Values(), (std::vector<float>{0.5f, 1.5f}));
}
