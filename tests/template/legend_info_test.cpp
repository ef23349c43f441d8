#include "atrium/legend_info.hpp"

#include <gtest/gtest.h>

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

using atrium::LegendInfo;
using atrium::LegendKeyStyle;
using Nodes = std::vector<holvane::NodePtr>;

std::shared_ptr<holvane::Appearance> NewAppearance() { return std::make_shared<holvane::Appearance>(); }

const Nodes& RootChildren(const LegendInfo& legend) { return legend.RootTransform()->ChildrenField()->Values(); }
const Nodes& BillboardChildren(const LegendInfo& legend) { return legend.BillboardNode()->ChildrenField()->Values(); }

// ---- the tree ----

TEST(LegendInfo, FreshLegendHoldsInnerTransformWithTheLegend) {
    atrium::SetProtoPath("g/");
    const LegendInfo legend;
    atrium::SetProtoPath("");
    EXPECT_EQ(legend.Legend()->SourceFile(), "g/HV_GRAPH.wrl");
    EXPECT_EQ(RootChildren(legend), Nodes{legend.InnerTransform()});
    EXPECT_EQ(legend.InnerTransform()->ChildrenField()->Values(), Nodes{legend.Legend()});
    EXPECT_TRUE(BillboardChildren(legend).empty());
    EXPECT_EQ(legend.KeyStyle(), LegendKeyStyle::BOX_STYLE);
    EXPECT_EQ(legend.TextColor(), 0xFFFFFF);
    EXPECT_EQ(legend.SeriesToggles()->Spacing(), 0.5f);  // the legend's text gap
    EXPECT_EQ(legend.SeriesToggles()->Height(), 1.0f);
}

TEST(LegendInfo, FourTreeShapesWithTheTogglesAlwaysLast) {
    LegendInfo legend;
    const auto inner = std::static_pointer_cast<holvane::Node>(legend.InnerTransform());
    const auto toggles = legend.SeriesToggles()->RootNode();
    const auto billboard = std::static_pointer_cast<holvane::Node>(legend.BillboardNode());

    legend.SetUseSeriesToggle(true);
    legend.SetUseSeriesToggle(true);
    EXPECT_EQ(RootChildren(legend), (Nodes{inner, toggles}));
    EXPECT_EQ(legend.InnerTransform()->TranslationField()->X(), 1.1f);

    legend.SetIsBillboarded(true);
    legend.SetIsBillboarded(true);
    EXPECT_EQ(RootChildren(legend), Nodes{billboard});
    EXPECT_EQ(BillboardChildren(legend), (Nodes{inner, toggles}));

    legend.SetUseSeriesToggle(false);
    EXPECT_EQ(BillboardChildren(legend), Nodes{inner});
    EXPECT_EQ(legend.InnerTransform()->TranslationField()->X(), 0.0f);
    legend.SetUseSeriesToggle(true);
    EXPECT_EQ(BillboardChildren(legend), (Nodes{inner, toggles}));

    legend.SetIsBillboarded(false);
    EXPECT_EQ(RootChildren(legend), (Nodes{inner, toggles}));
    EXPECT_TRUE(BillboardChildren(legend).empty());
    legend.SetUseSeriesToggle(false);
    EXPECT_EQ(RootChildren(legend), Nodes{inner});
}

// ---- entries and check boxes ----

TEST(LegendInfo, EachEntryGoesFirstWhileTheBoxesFollowInOrder) {
    LegendInfo legend;
    const auto a = NewAppearance(), b = NewAppearance(), c = NewAppearance();
    legend.AddLegendEntry(a, "A");
    legend.AddLegendEntry(b, "B");
    legend.AddLegendEntry(c, "C");
    EXPECT_EQ(legend.Legend()->DescriptionsField()->Values(), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(legend.Legend()->AppearancesField()->Values(), (Nodes{c, b, a}));
    EXPECT_EQ(legend.Get1CheckBox(3)->DEFName(), "CHECK_BOX_3");
}

TEST(LegendInfo, ToggleColumnAfterAddClearAndAdd) {
    LegendInfo legend;
    legend.SetUseSeriesToggle(true);
    for (const char* text : {"A", "B", "C"}) legend.AddLegendEntry(NewAppearance(), text);
    // The y of the holder of box i (holders stand in box order under the column's root).
    const auto rowOf = [&](std::int16_t i) {
        const auto& holders =
            std::static_pointer_cast<holvane::Transform>(legend.SeriesToggles()->RootNode())->ChildrenField()->Values();
        const auto holder = std::static_pointer_cast<holvane::Transform>(holders.at(static_cast<std::size_t>(i - 1)));
        EXPECT_EQ(holder->ChildrenField()->Values().at(0), legend.Get1CheckBox(i));
        return holder->TranslationField()->Y();
    };
    EXPECT_EQ(rowOf(1), 3.0f);
    EXPECT_EQ(rowOf(2), 1.5f);
    EXPECT_EQ(rowOf(3), 0.0f);

    legend.ClearLegend();
    EXPECT_TRUE(legend.Legend()->DescriptionsField()->Values().empty());
    EXPECT_TRUE(legend.Legend()->AppearancesField()->Values().empty());
    ExpectError([&] { legend.Get1CheckBox(1); }, holvane::kObjectError, "Invalid index into the list of check boxes");

    legend.AddLegendEntry(NewAppearance(), "D");
    EXPECT_EQ(legend.Get1CheckBox(1)->DEFName(), "CHECK_BOX_1");
    EXPECT_EQ(rowOf(1), 0.0f);
    EXPECT_EQ(legend.Legend()->DescriptionsField()->Values(), std::vector<std::string>{"D"});
}

TEST(LegendInfo, MissingAppearanceIsRefusedWithoutAddingAnything) {
    LegendInfo legend;
    ExpectError([&] { legend.AddLegendEntry(nullptr, "A"); }, holvane::kInvalidArgument,
                "Invalid legend entry, the appearance is missing");
    EXPECT_TRUE(legend.Legend()->DescriptionsField()->Values().empty());
    EXPECT_EQ(legend.SeriesToggles()->Count(), 0);
}

// ---- text height and properties ----

TEST(LegendInfo, TextHeightTwoSetsGapBoxesAndMovesTheLegendBesideThem) {
    LegendInfo legend;
    legend.SetTextHeight(2.0f);
    EXPECT_EQ(legend.Legend()->TextHeightField()->Value(), 2.0f);
    EXPECT_EQ(legend.Legend()->TextGapField()->Value(), 0.7f);
    EXPECT_EQ(legend.SeriesToggles()->Height(), 2.0f);
    EXPECT_EQ(legend.SeriesToggles()->Spacing(), 0.7f);
    EXPECT_EQ(legend.InnerTransform()->TranslationField()->X(), 0.0f);  // boxes hidden: not moved
    legend.SetUseSeriesToggle(true);
    EXPECT_EQ(legend.InnerTransform()->TranslationField()->X(), 2.2f);

    legend.SetTextHeight(1.0f);  // with the boxes shown, the move follows at once
    EXPECT_EQ(legend.InnerTransform()->TranslationField()->X(), 1.1f);
    EXPECT_EQ(legend.Legend()->TextGapField()->Value(), 0.35f);
}

TEST(LegendInfo, InvalidTextHeightFailsAndChangesNothing) {
    LegendInfo legend;
    legend.SetUseSeriesToggle(true);
    for (const float h : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::denorm_min()})
        ExpectError([&] { legend.SetTextHeight(h); }, holvane::kObjectError,
                    "Invalid legend text height, must be greater than 0");
    EXPECT_EQ(legend.TextHeight(), 1.0f);
    EXPECT_EQ(legend.Legend()->TextGapField()->Value(), 0.5f);
    EXPECT_EQ(legend.SeriesToggles()->Spacing(), 0.5f);
    EXPECT_EQ(legend.InnerTransform()->TranslationField()->X(), 1.1f);
}

TEST(LegendInfo, KeyStyleAndTextColourReachTheLegend) {
    LegendInfo legend;
    legend.SetKeyStyle(LegendKeyStyle::SPHERE_STYLE);
    EXPECT_EQ(legend.Legend()->KeyStyleField()->Value(), "SPHERE");
    EXPECT_EQ(static_cast<int>(legend.KeyStyle()), 1);
    legend.SetKeyStyle(static_cast<LegendKeyStyle>(2));
    EXPECT_EQ(legend.Legend()->KeyStyleField()->Value(), "SPHERE");
    legend.Legend()->KeyStyleField()->SetValue("sphere");
    EXPECT_EQ(legend.KeyStyle(), LegendKeyStyle::BOX_STYLE);
    legend.SetTextColor(0x00FF00);
    EXPECT_EQ(legend.Legend()->TextColorField()->Value(), (holvane::Rgb{0.0f, 1.0f, 0.0f}));
}

// ---- export steps ----

TEST(LegendExport, PlaceLegendStandsBesideTheGridAndKeepsZ) {
    atrium::GridInfo grid;
    LegendInfo legend;
    legend.RootTransform()->TranslationField()->SetZ(4.0f);
    grid.SetWidth(10.0f);
    grid.SetHeight(5.0f);
    atrium::PlaceLegend(grid, legend);
    EXPECT_EQ(legend.RootTransform()->TranslationField()->Value(), (holvane::Vec3f{11.0f, 0.5f, 4.0f}));
}

TEST(LegendExport, EnterInLegendRoutesEachBoxToTheItemItSwitches) {
    LegendInfo legend;
    legend.SetUseSeriesToggle(true);
    holvane::RouteCollection routes;
    std::vector<std::shared_ptr<holvane::qrx_ContentToggle>> toggles;
    for (int i = 1; i <= 3; ++i) {
        toggles.push_back(std::make_shared<holvane::qrx_ContentToggle>());
        if (i == 2) continue;  // left out of the legend
        atrium::EnterInLegend(legend, NewAppearance(), "S" + std::to_string(i), toggles.back(),
                              "SERIES_TOGGLE_" + std::to_string(i), routes);
    }
    EXPECT_EQ(toggles[0]->DEFName(), "SERIES_TOGGLE_1");
    EXPECT_EQ(toggles[1]->DEFName(), "");
    EXPECT_EQ(toggles[2]->DEFName(), "SERIES_TOGGLE_3");

    // Written, box 1 switches series 1 and box 2 series 3.
    const auto root = std::make_shared<holvane::Group>();
    root->ChildrenField()->Add(legend.RootNode());
    root->ChildrenField()->Add(toggles[0]);
    root->ChildrenField()->Add(toggles[2]);
    holvane::VRMLStringTraverser writer;
    const auto world = vrml_reader::Read(writer.Write(*root, routes));
    ASSERT_EQ(world.routes.size(), 2u);
    const auto& r = world.routes;
    EXPECT_EQ(r[0].fromNode + " " + r[0].eventOut + " " + r[0].toNode + " " + r[0].eventIn,
              "CHECK_BOX_1 value_changed SERIES_TOGGLE_1 set_contentsExist");
    EXPECT_EQ(r[1].fromNode + " " + r[1].toNode, "CHECK_BOX_2 SERIES_TOGGLE_3");
}

TEST(LegendExport, EnterInLegendWithoutBoxesShownOnlyAddsTheEntry) {
    LegendInfo legend;
    holvane::RouteCollection routes;
    const auto toggle = std::make_shared<holvane::qrx_ContentToggle>();
    atrium::EnterInLegend(legend, NewAppearance(), "S1", toggle, "SERIES_TOGGLE_1", routes);
    atrium::EnterInLegend(legend, NewAppearance(), "S2", nullptr, "SERIES_TOGGLE_2", routes);
    EXPECT_EQ(routes.Count(), 0u);
    EXPECT_EQ(toggle->DEFName(), "");
    EXPECT_EQ(legend.Legend()->DescriptionsField()->Values(), (std::vector<std::string>{"S2", "S1"}));
    EXPECT_EQ(legend.SeriesToggles()->Count(), 2);  // the boxes exist, only hidden

    legend.SetUseSeriesToggle(true);
    ExpectError([&] { atrium::EnterInLegend(legend, NewAppearance(), "S3", nullptr, "T", routes); },
                holvane::kInvalidArgument, "Invalid legend entry, the content toggle is missing");
    EXPECT_EQ(legend.SeriesToggles()->Count(), 2);
}

}  // namespace

TEST(LegendInfo, ABatchOfEntriesGivesTheSameLegendAsSingleAdds) {
    // Entries before the batch, inside nested batches, and a clear inside a batch.
    const int before[] = {0, 2};
    for (int old : before) {
        LegendInfo single, batched;
        std::vector<std::shared_ptr<holvane::Appearance>> apps;
        for (int i = 0; i < old + 3; ++i) apps.push_back(NewAppearance());
        for (int i = 0; i < old; ++i) {
            single.AddLegendEntry(apps[static_cast<std::size_t>(i)], std::to_string(i));
            batched.AddLegendEntry(apps[static_cast<std::size_t>(i)], std::to_string(i));
        }
        for (int i = old; i < old + 3; ++i) single.AddLegendEntry(apps[static_cast<std::size_t>(i)], std::to_string(i));
        {
            LegendInfo::EntryBatch outer(batched);
            batched.AddLegendEntry(apps[static_cast<std::size_t>(old)], std::to_string(old));
            LegendInfo::EntryBatch inner(batched);
            for (int i = old + 1; i < old + 3; ++i)
                batched.AddLegendEntry(apps[static_cast<std::size_t>(i)], std::to_string(i));
        }
        EXPECT_EQ(batched.Legend()->DescriptionsField()->Values(), single.Legend()->DescriptionsField()->Values());
        EXPECT_EQ(batched.Legend()->AppearancesField()->Values(), single.Legend()->AppearancesField()->Values());
        const auto& holders = batched.SeriesToggles()->RootNode();
        EXPECT_EQ(holvane::VRMLStringTraverser().WriteFragment(*holders),
                  holvane::VRMLStringTraverser().WriteFragment(*single.SeriesToggles()->RootNode()))
            << "the column is laid out when the batch ends";
    }
    LegendInfo legend;
    legend.AddLegendEntry(NewAppearance(), "gone");
    {
        LegendInfo::EntryBatch batch(legend);
        legend.ClearLegend();
        legend.AddLegendEntry(NewAppearance(), "A");
        legend.AddLegendEntry(NewAppearance(), "B");
    }
    EXPECT_EQ(legend.Legend()->DescriptionsField()->Values(), (std::vector<std::string>{"B", "A"}));
}
