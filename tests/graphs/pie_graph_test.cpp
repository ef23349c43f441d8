// The pie graph: slice angles and running rotations, slice placements, the slice count and the
// graph-wide radii, export names and routes, the spin axis and drill-up, and refused values.
#include <gtest/gtest.h>

#include <functional>

#include "atrium/graph_factory.hpp"
#include "atrium/pie_graph.hpp"
#include "atrium/template_ctl.hpp"
#include "expect_error.hpp"
#include "vrml_reader.hpp"

using namespace atrium;

namespace {

GraphFactory& Factory() {
    static AtriumTemplateCtl control;
    return *control.CreateFactory();
}

std::shared_ptr<PieGraph> NewPie(std::int16_t slices) {
    auto graph = Factory().CreatePieGraph();
    graph->SetSliceCount(slices);
    return graph;
}

const holvane::SFRotation& Rotation(const std::shared_ptr<holvane::Transform>& t) { return *t->RotationField(); }

std::string RouteText(const vrml_reader::Route& r) {
    return r.fromNode + "." + r.eventOut + " " + r.toNode + "." + r.eventIn;
}

std::vector<std::string> Routes(PieGraph& graph) {
    std::vector<std::string> out;
    for (const auto& r : vrml_reader::Read(graph.ExportToString(true, true)).routes) out.push_back(RouteText(r));
    return out;
}

}  // namespace

TEST(PieGraph, AFreshGraphHoldsItsPartsInOrderAndExportsWithoutRoutes) {
    auto graph = Factory().CreatePieGraph();
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    ASSERT_EQ(world.nodes.size(), 1u);
    const auto& children = world.nodes[0]->At("children").nodes;
    ASSERT_EQ(children.size(), 8u);
    const char* types[] = {"Transform", "Background", "Transform", "Transform", "Group", "Group", "Transform",
                           "Transform"};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(children[i]->type, types[i]) << i;
    EXPECT_EQ(children[0]->Find("children"), nullptr) << "the spin axis starts off";
    EXPECT_TRUE(world.routes.empty());
    EXPECT_EQ(graph->SliceCount(), 0);
    EXPECT_FLOAT_EQ(graph->radius(), 3);
    EXPECT_FLOAT_EQ(graph->InnerRadius(), 1.5f);
    EXPECT_FLOAT_EQ(graph->BevelRadius(), 0.2f);
    EXPECT_EQ(graph->SliceTextDisplayStyle(), SliceTextVisibility::SHOW_ON_TOUCH);
    EXPECT_FLOAT_EQ(graph->TitleProps()->RootTransform()->TranslationField()->Y(), 0);
    EXPECT_FLOAT_EQ(graph->LegendProps()->RootTransform()->TranslationField()->X(), 4.2f);
    EXPECT_EQ(graph->ExportToString(true, true), graph->ExportToString(true, true));
}

TEST(PieGraph, SlicesFollowEachOtherByTheirAngles) {
    auto graph = NewPie(4);
    const struct {
        float percentage, angle, rootAngle;
    } rows[] = {{0.1f, 0.628318f, -0.314159f},
                {0.2f, 1.256636f, -1.256636f},
                {0.4f, 2.513272f, -3.14159f},
                {0.3f, 1.884954f, -5.340703f}};
    for (std::int16_t i = 1; i <= 4; ++i) graph->GetSlice(i)->SetPercentage(rows[i - 1].percentage);
    graph->ExportToString(false, false);
    for (std::int16_t i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        auto slice = graph->GetSlice(i);
        const auto& row = rows[i - 1];
        EXPECT_FLOAT_EQ(slice->Angle(), row.angle);
        for (float a : {slice->OutlinedSliceNode()->AngleField()->Value(), slice->RingSliceNode()->AngleField()->Value()})
            EXPECT_EQ(a, slice->Angle()) << "the three protos keep the same angle";
        const auto& root = Rotation(slice->RootTransform());
        EXPECT_EQ((std::array{root.X(), root.Y(), root.Z()}), (std::array{0.f, 1.f, 0.f}));
        EXPECT_FLOAT_EQ(root.Angle(), row.rootAngle);
        EXPECT_FLOAT_EQ(Rotation(slice->InnerTransformNode()).Angle(), row.angle / 2);
        EXPECT_FLOAT_EQ(Rotation(slice->SliceTextProps()->RootTransform()).Angle(), -row.angle / 2);
        EXPECT_FLOAT_EQ(Rotation(slice->DrillTransformNode()).Angle(), -row.angle / 2);
    }
    // The last slice ends where the running angle does: a hair short of a full turn.
    auto last = graph->GetSlice(4);
    EXPECT_FLOAT_EQ(Rotation(last->RootTransform()).Angle() - last->Angle() / 2, -6.28318f);

    auto slice = graph->GetSlice(1);
    slice->SetPercentage(0.25f);
    EXPECT_FLOAT_EQ(slice->Angle(), 1.570795f);
    slice->SetPercentage(0);
    EXPECT_EQ(slice->Angle(), 0);
    slice->SetPercentage(1);
    EXPECT_FLOAT_EQ(slice->Angle(), 6.28318f);
}

TEST(PieGraph, HeightAndRadiusPlaceTheTextAndTheDrillDownCone) {
    auto graph = NewPie(1);
    auto slice = graph->GetSlice(1);
    slice->SetHeight(2);
    graph->SetRadius(4);
    auto text = slice->SliceTextProps()->RootTransform();
    EXPECT_TRUE(slice->SliceTextProps()->IsBillboarded());
    EXPECT_FLOAT_EQ(text->TranslationField()->X(), 4);
    EXPECT_FLOAT_EQ(text->TranslationField()->Y(), 2.2f);
    EXPECT_FLOAT_EQ(text->CenterField()->X(), -4);
    EXPECT_FLOAT_EQ(text->CenterField()->Y(), -2.2f);
    auto cone = slice->DrillDownProps();
    EXPECT_FLOAT_EQ(cone->ConeHeight(), 0.4f);
    EXPECT_FLOAT_EQ(cone->ConeRadius(), 0.16f);
    auto drill = slice->DrillTransformNode();
    EXPECT_FLOAT_EQ(drill->TranslationField()->X(), 4.4f);
    EXPECT_FLOAT_EQ(drill->TranslationField()->Y(), 1);
    EXPECT_FLOAT_EQ(drill->CenterField()->X(), -4.4f);
    EXPECT_FLOAT_EQ(drill->CenterField()->Y(), -1);
    EXPECT_FLOAT_EQ(Rotation(std::static_pointer_cast<holvane::Transform>(cone->RootNode())).Angle(), 1.5708f);
    for (float h : {slice->OutlinedSliceNode()->HeightField()->Value(), slice->RingSliceNode()->HeightField()->Value()})
        EXPECT_EQ(h, 2);
}

TEST(PieGraph, SliceCountGrowsWithTheGraphsRadiiAndShrinksFromTheEnd) {
    auto graph = NewPie(0);
    graph->SetRadius(5);
    graph->SetInnerRadius(2);
    graph->SetBevelRadius(0.3f);
    graph->SetSliceCount(2);
    auto first = graph->GetSlice(1);
    first->SetPercentage(0.5f);
    graph->SetSliceCount(4);
    ASSERT_EQ(graph->SliceCount(), 4);
    EXPECT_EQ(graph->GetSlice(1), first);
    for (std::int16_t i = 1; i <= 4; ++i) {
        auto s = graph->GetSlice(i);
        EXPECT_EQ(s->radius(), 5);
        EXPECT_EQ(s->InnerRadius(), 2);
        EXPECT_EQ(s->BevelRadius(), 0.3f);
        EXPECT_EQ(s->RingSliceNode()->BevelRadiusField()->Value(), 0.3f);
        EXPECT_EQ(s->OutlinedSliceNode()->RadiusField()->Value(), 5);
    }
    // A slice made on its own has the protos' own sizes until a graph gives it others.
    PieSliceInfo loose;
    EXPECT_EQ(loose.radius(), 1);
    EXPECT_FLOAT_EQ(loose.InnerRadius(), 0.8f);
    EXPECT_FLOAT_EQ(loose.BevelRadius(), 0.1f);
    EXPECT_FLOAT_EQ(loose.Percentage(), 0.2f);
    EXPECT_FLOAT_EQ(loose.Angle(), 1.256636f);

    auto second = graph->GetSlice(2);
    graph->SetSliceCount(2);
    ASSERT_EQ(graph->SliceCount(), 2);
    EXPECT_EQ(graph->GetSlice(1), first);
    EXPECT_EQ(graph->GetSlice(2), second);
    EXPECT_FLOAT_EQ(first->Percentage(), 0.5f);
    ExpectObjectError([&] { graph->SetSliceCount(-1); }, "Invalid index into the list");
    EXPECT_EQ(graph->SliceCount(), 2);
    graph->SetSliceCount(0);
    EXPECT_EQ(graph->SliceCount(), 0);
    ExpectObjectError([&] { graph->SetSliceCount(-3); }, "Invalid index into the list");
}

TEST(PieGraph, ExportNamesAndRoutesEverySliceWithTheLegendBoxesInEntryOrder) {
    auto graph = NewPie(3);
    graph->LegendProps()->SetUseSeriesToggle(true);
    graph->GetSlice(2)->SetShowInLegend(false);
    graph->SetUseSpinAxis(true);
    EXPECT_EQ(Routes(*graph), (std::vector<std::string>{
                                  "CHECK_BOX_1.value_changed SLICE_TOGGLE_1.set_contentsExist",
                                  "SLICE_DRAG_1.translation_changed INNER_TRANS_1.set_translation",
                                  "SLICE_DRAG_1.isActive SLICE_TEXT_TOGGLE_1.set_contentsExist",
                                  "SLICE_DRAG_2.translation_changed INNER_TRANS_2.set_translation",
                                  "SLICE_DRAG_2.isActive SLICE_TEXT_TOGGLE_2.set_contentsExist",
                                  "CHECK_BOX_2.value_changed SLICE_TOGGLE_3.set_contentsExist",
                                  "SLICE_DRAG_3.translation_changed INNER_TRANS_3.set_translation",
                                  "SLICE_DRAG_3.isActive SLICE_TEXT_TOGGLE_3.set_contentsExist",
                                  "SPIN_AXIS.rotation_changed PIE_TRANS.set_rotation",
                              }));
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    EXPECT_EQ(world.defs.count("SLICE_TOGGLE_2"), 0u);
    EXPECT_EQ(world.defs.at("SLICE_TEXT_TOGGLE_1")->At("contentsExist").tokens.at(0), "FALSE");
    EXPECT_EQ(graph->LegendProps()->Legend()->DescriptionsField()->Count(), 2);
    EXPECT_EQ(world.defs.at("INNER_TRANS_1")->At("children").nodes.at(0)->At("maxPosition").tokens,
              (std::vector<std::string>{"100", "0"}));

    // Shown always, the texts come back at the next export and lose their routes; an unknown
    // visibility leaves them as they are.
    graph->SetSliceTextDisplayStyle(SliceTextVisibility::SHOW_ALWAYS);
    graph->LegendProps()->SetUseSeriesToggle(false);
    graph->SetUseSpinAxis(false);
    EXPECT_EQ(Routes(*graph), (std::vector<std::string>{
                                  "SLICE_DRAG_1.translation_changed INNER_TRANS_1.set_translation",
                                  "SLICE_DRAG_2.translation_changed INNER_TRANS_2.set_translation",
                                  "SLICE_DRAG_3.translation_changed INNER_TRANS_3.set_translation",
                              }));
    EXPECT_TRUE(graph->GetSlice(1)->SliceTextToggleNode()->ContentsExistField()->Value());
    graph->GetSlice(1)->SliceTextToggleNode()->ContentsExistField()->SetValue(false);
    graph->SetSliceTextDisplayStyle(static_cast<SliceTextVisibility>(7));
    EXPECT_EQ(Routes(*graph).size(), 3u);
    EXPECT_FALSE(graph->GetSlice(1)->SliceTextToggleNode()->ContentsExistField()->Value());
}

TEST(PieGraph, TitleLegendSpinAxisAndDrillUpStandByTheTallestSlice) {
    auto graph = NewPie(3);
    const float heights[] = {1.5f, 2.5f, 2.5f};
    for (std::int16_t i = 1; i <= 3; ++i) graph->GetSlice(i)->SetHeight(heights[i - 1]);
    graph->SetRadius(4);
    graph->TitleProps()->SetTextColor(0x123456);
    graph->SetUseDrillUp(true);
    graph->ExportToString(false, false);
    EXPECT_FLOAT_EQ(graph->TitleProps()->RootTransform()->TranslationField()->Y(), 5);
    EXPECT_FLOAT_EQ(graph->LegendProps()->RootTransform()->TranslationField()->X(), 5.6f);
    EXPECT_FLOAT_EQ(graph->LegendProps()->RootTransform()->TranslationField()->Y(), 0.5f);
    auto cone = graph->DrillUpProps();
    EXPECT_FLOAT_EQ(cone->ConeRadius(), 0.2f);
    EXPECT_FLOAT_EQ(cone->ConeHeight(), 0.48f);
    auto holderOf = [&](std::size_t child) {
        return std::static_pointer_cast<holvane::Transform>(
            std::static_pointer_cast<holvane::Transform>(graph->RootNode())->ChildrenField()->Values().at(child));
    };
    EXPECT_FLOAT_EQ(holderOf(7)->TranslationField()->Y(), 1.05f * 2.5f + 0.24f);
    EXPECT_EQ(holderOf(7)->ChildrenField()->Values().at(0), cone->RootNode());

    graph->SetUseSpinAxis(true);
    graph->ExportToString(false, false);
    EXPECT_FLOAT_EQ(holderOf(7)->TranslationField()->Y(), 0.24f + 1.25f * 2.5f);
    auto axis = holderOf(0);
    EXPECT_FLOAT_EQ(axis->TranslationField()->Y(), 1.25f);
    ASSERT_EQ(axis->ChildrenField()->Values().size(), 2u);
    auto shape = std::static_pointer_cast<holvane::Shape>(axis->ChildrenField()->Values()[1]);
    auto cylinder = std::static_pointer_cast<holvane::Cylinder>(shape->GeometryField()->Value());
    EXPECT_FLOAT_EQ(cylinder->HeightField()->Value(), 3.5f);
    EXPECT_FLOAT_EQ(cylinder->RadiusField()->Value(), 0.2f);
    auto material = std::static_pointer_cast<holvane::Appearance>(shape->AppearanceField()->Value())->MaterialField();
    EXPECT_EQ(std::static_pointer_cast<holvane::Material>(material->Value())->DiffuseColorField()->RGBValue(), 0x123456);

    graph->SetUseDrillUp(false);
    EXPECT_TRUE(holderOf(7)->ChildrenField()->Values().empty());
}

TEST(PieGraph, StyleAndDrillDownRefillTheSliceToggle) {
    auto graph = NewPie(1);
    auto slice = graph->GetSlice(1);
    auto content = [&] { return slice->ContentToggleNode()->ChildrenField()->Values(); };
    EXPECT_EQ(content().at(0), slice->OutlinedSliceNode());
    slice->SetStyle(SliceStyle::RING_SLICE);
    auto ring = content();
    ASSERT_EQ(ring.size(), 3u);
    EXPECT_EQ(ring[0], slice->RingSliceNode());
    EXPECT_EQ(ring[1], slice->SliceTextToggleNode());
    EXPECT_EQ(ring[2], slice->DrillTransformNode());
    EXPECT_EQ(slice->RingSliceNode()->AppearanceField()->Value(), slice->Appearance());
    slice->SetStyle(static_cast<SliceStyle>(3));
    EXPECT_EQ(slice->Style(), SliceStyle::RING_SLICE);
    EXPECT_EQ(content(), ring);
    slice->SetStyle(SliceStyle::ROUNDED_SLICE);
    EXPECT_EQ(content().at(0), slice->RoundedSliceNode());

    slice->SetUseDrillDown(true);
    EXPECT_EQ(slice->DrillTransformNode()->ChildrenField()->Values(),
              (std::vector<holvane::NodePtr>{slice->DrillDownProps()->RootNode()}));
    slice->SetUseDrillDown(false);
    EXPECT_TRUE(slice->DrillTransformNode()->ChildrenField()->Values().empty());
}

TEST(PieGraph, RefusedValuesLeaveTheGraphAsItWas) {
    auto graph = NewPie(3);
    auto slice = graph->GetSlice(2);
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { slice->SetPercentage(-0.01f); }, "Invalid slice percentage, must be in the range [0..1]"},
        {[&] { slice->SetPercentage(1.01f); }, "Invalid slice percentage, must be in the range [0..1]"},
        {[&] { slice->SetHeight(0); }, "Invalid slice height, must be greater than 0"},
        {[&] { slice->SetRadius(0); }, "Invalid radius, must be greater than 0"},
        {[&] { slice->SetRadius(1e-45f); }, "Invalid radius, must be greater than 0"},
        {[&] { slice->SetInnerRadius(-0.5f); }, "Invalid inner radius, must be greater than or equal to 0"},
        {[&] { slice->SetBevelRadius(0); }, "Invalid bevel radius, must be greater than 0"},
        {[&] { graph->SetRadius(-1); }, "Invalid radius, must be greater than 0"},
        {[&] { graph->SetInnerRadius(0); }, "Invalid inner radius, must be greater than 0"},
        {[&] { graph->SetBevelRadius(0); }, "Invalid bevel radius, must be greater than 0"},
        {[&] { graph->GetSlice(0); }, "Invalid slice index, slice count = 3"},
        {[&] { graph->GetSlice(4); }, "Invalid slice index, slice count = 3"},
    };
    const std::string before = graph->ExportToString(true, true);
    for (const auto& [action, message] : cases) {
        SCOPED_TRACE(message);
        ExpectObjectError(action, message);
        EXPECT_EQ(graph->ExportToString(true, true), before);
    }
    slice->SetInnerRadius(0);
    EXPECT_EQ(slice->InnerRadius(), 0);

    // Without slices the spin axis would have no height: the export fails and says why.
    auto empty = NewPie(0);
    empty->SetUseSpinAxis(true);
    ExpectObjectError([&] { empty->ExportToString(true, true); }, "Invalid axis height, must be greater than 0");
}
