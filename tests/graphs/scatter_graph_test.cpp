// The scatter graph: point frames and their lists, the key frames of the three analog forms,
// the frame switch and slider, repeated exports, and refused input.
#include <gtest/gtest.h>

#include <functional>

#include "holvane/traverser.hpp"

#include "atrium/graph_factory.hpp"
#include "atrium/scatter_graph.hpp"
#include "atrium/template_ctl.hpp"
#include "expect_error.hpp"
#include "vrml_reader.hpp"

using namespace atrium;

namespace {

GraphFactory& Factory() {
    static AtriumTemplateCtl control;
    return *control.CreateFactory();
}

std::vector<float> Floats(const vrml_reader::Value* v) {
    std::vector<float> out;
    if (v)
        for (const auto& t : v->tokens) out.push_back(std::stof(t));
    return out;
}

// A graph of frames whose point k (from 0) of frame f (from 1) sits at (f, k, 0).
std::shared_ptr<ScatterGraph> GraphOfFrames(const std::vector<int>& counts) {
    auto graph = Factory().CreateScatterGraph();
    graph->SetPointFrameCount(static_cast<std::int16_t>(counts.size()));
    for (std::size_t f = 0; f < counts.size(); ++f)
        for (int k = 0; k < counts[f]; ++k)
            graph->Get1PointFrame(static_cast<std::int16_t>(f + 1))
                ->AddPoint(static_cast<float>(f + 1), static_cast<float>(k), 0, 0.5f, 0xFF, 0);
    return graph;
}

vrml_reader::World Export(ScatterGraph& graph) { return vrml_reader::Read(graph.ExportToString(true, true)); }

vrml_reader::World Written(holvane::Node& node) {
    holvane::RouteCollection routes;
    return vrml_reader::Read(holvane::VRMLStringTraverser().Write(node, routes));
}

// The FontStyle of a written slider's labels.
const vrml_reader::Node& FontOf(const vrml_reader::Node& sliderRoot) {
    const auto& label = *sliderRoot.At("children").nodes[0]->At("children").nodes[0];
    return *label.At("geometry").nodes[0]->At("fontStyle").nodes[0];
}

std::size_t Occurrences(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(ScatterGraph, EachLoopStyleGivesItsKeysFramesCycleAndLoop) {
    const struct {
        LoopStyle style;
        std::vector<float> keys;
        std::vector<float> frames;  // the frame of each key frame, read from its x
        double gaps;
        bool loop;
    } cases[] = {
        {LoopStyle::VRML_NO_LOOP, {0, 0.495f, 0.99f}, {1, 2, 3}, 2, false},
        {LoopStyle::VRML_LOOP_BREAK, {0, 0.495f, 0.99f}, {1, 2, 3}, 2, true},
        {LoopStyle::VRML_BACK_AND_FORTH, {0, 0.2475f, 0.495f, 0.7425f, 0.99f}, {1, 2, 3, 2, 1}, 4, true},
        {LoopStyle::VRML_LOOP_CONTINUOUS, {0, 0.33f, 0.66f, 0.99f}, {1, 2, 3, 1}, 3, true},
        {static_cast<LoopStyle>(9), {0, 0.495f, 0.99f}, {1, 2, 3}, 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        auto graph = GraphOfFrames({1, 1, 1});
        graph->SetFrameTimeGap(2.5);
        graph->SetAnimationLoopStyle(c.style);
        auto world = Export(*graph);
        const auto& interpolator = *world.defs.at("LOC_INT");
        EXPECT_EQ(Floats(interpolator.Find("key")), c.keys);
        std::vector<float> xs;
        const auto values = Floats(interpolator.Find("keyValue"));
        for (std::size_t i = 0; i < values.size(); i += 3) xs.push_back(values[i]);
        EXPECT_EQ(xs, c.frames);
        const auto& clock = *world.defs.at("TIME_KEEPER");
        EXPECT_DOUBLE_EQ(clock.At("cycleInterval").Number(), c.gaps * 2.5);
        EXPECT_EQ(clock.Find("loop") != nullptr && clock.At("loop").tokens.at(0) == "TRUE", c.loop);
        ASSERT_EQ(world.routes.size(), 2u);
        EXPECT_EQ(world.routes[0].fromNode + "." + world.routes[0].eventOut + ">" + world.routes[0].toNode + "." +
                      world.routes[0].eventIn,
                  "TIME_KEEPER.fraction_changed>LOC_INT.set_fraction");
        EXPECT_EQ(world.routes[1].fromNode + "." + world.routes[1].eventOut + ">" + world.routes[1].toNode + "." +
                      world.routes[1].eventIn,
                  "LOC_INT.value_changed>POINT_COLLECTION.set_locations");
        EXPECT_EQ(world.defs.count("FRAME_SLIDER"), 0u);
    }
}

TEST(ScatterGraph, ShortAndEmptyFramesArePaddedWithTheLastLocationRead) {
    auto graph = GraphOfFrames({0, 2, 4, 0, 3});
    auto values = Floats(Export(*graph).defs.at("LOC_INT")->Find("keyValue"));
    std::vector<float> expected;
    auto add = [&](float x, float y) { expected.insert(expected.end(), {x, y, 0}); };
    for (int i = 0; i < 4; ++i) add(0, 0);  // nothing read yet
    for (float y : {0.f, 1.f, 1.f, 1.f}) add(2, y);
    for (float y : {0.f, 1.f, 2.f, 3.f}) add(3, y);
    for (int i = 0; i < 4; ++i) add(3, 3);  // the empty frame repeats frame 3's last point
    for (float y : {0.f, 1.f, 2.f, 2.f}) add(5, y);
    EXPECT_EQ(values, expected);
}

TEST(ScatterGraph, OneFrameIsStaticInBothStyles) {
    for (auto style : {AnimationStyle::VRML_ANALOG, AnimationStyle::VRML_DISCRETE}) {
        SCOPED_TRACE(static_cast<int>(style));
        auto graph = GraphOfFrames({3});
        graph->SetPointAnimationStyle(style);
        auto world = Export(*graph);
        EXPECT_TRUE(world.routes.empty());
        EXPECT_EQ(world.defs.count("FRAME_SLIDER"), 0u);
        EXPECT_EQ(world.defs.count("POINT_COLLECTION"), 0u);
        const auto& root = *world.nodes.at(0);
        ASSERT_EQ(root.At("children").nodes.size(), 10u) << "eight parts, animation group, legend";
        const auto& animation = root.At("children").nodes[8]->At("children").nodes;
        if (style == AnimationStyle::VRML_ANALOG) {
            ASSERT_EQ(animation.size(), 2u);
            EXPECT_EQ(Floats(animation[0]->At("children").nodes[0]->Find("key")), std::vector<float>{});
            EXPECT_EQ(animation[1]->type, "Group");
        } else {
            ASSERT_EQ(animation.size(), 1u);
            EXPECT_EQ(animation[0]->def, "FRAME_SWITCH");
            EXPECT_EQ(animation[0]->At("choice").nodes.size(), 1u);
        }
    }
}

TEST(ScatterGraph, RepeatedDiscreteExportsGiveOneLegendSliderAndConeAndNLabels) {
    auto graph = GraphOfFrames({2, 1, 3});
    graph->Get1PointFrame(2)->SetDescription("Second");
    graph->SetPointAnimationStyle(AnimationStyle::VRML_DISCRETE);
    graph->SetUseDrillUp(true);
    graph->XAxisProps()->SetLabelHeight(0.4f);
    graph->TitleProps()->SetTextColor(0x123456);
    graph->LegendProps()->AddLegendEntry(179, "Category A");
    const std::string first = graph->ExportToString(true, true);
    const std::string second = graph->ExportToString(true, true);
    EXPECT_EQ(second, first);
    EXPECT_EQ(Occurrences(second, "qrx_Legend {"), 1u);
    EXPECT_EQ(Occurrences(second, "Cone {"), 1u);
    EXPECT_EQ(Occurrences(second, "DEF FRAME_SLIDER"), 1u);

    auto world = vrml_reader::Read(second);
    EXPECT_EQ(world.defs.at("FRAME_SWITCH")->At("choice").nodes.size(), 3u);
    const auto& slider = *world.defs.at("FRAME_SLIDER");
    EXPECT_EQ(slider.At("maximum").Number(), 2);
    EXPECT_FLOAT_EQ(static_cast<float>(slider.At("length").Number()), 1.8f);
    ASSERT_EQ(world.routes.size(), 1u);
    EXPECT_EQ(world.routes[0].toNode + "." + world.routes[0].eventIn, "FRAME_SWITCH.set_whichChoice");
    EXPECT_EQ(graph->FrameSlider()->Labels()->Values(),
              (std::vector<std::string>{"Point frame 1", "Second", "Point frame 3"}));
    EXPECT_EQ(graph->FrameSlider()->LabelColor(), 0x123456);

    // Back to analog and without the cone: neither the slider nor the cone stays behind.
    graph->SetPointAnimationStyle(AnimationStyle::VRML_ANALOG);
    graph->SetUseDrillUp(false);
    const std::string analog = graph->ExportToString(true, true);
    EXPECT_EQ(Occurrences(analog, "FRAME_SLIDER"), 0u);
    EXPECT_EQ(Occurrences(analog, "Cone {"), 0u);
    EXPECT_EQ(Occurrences(analog, "qrx_Legend {"), 1u);
}

TEST(SliderInfo, AlignSliderSpreadsTheLabelsAndTurnsTheTrack) {
    SliderInfo slider;
    slider.SetLabelHeight(0.5f);
    slider.SetSliderLength(2.5f);
    slider.SetSliderRadius(0.25f);
    slider.AlignSlider();  // no labels: the spacing keeps its default
    const auto lone = Written(*slider.RootNode());
    const auto& loneFont = FontOf(*lone.nodes.at(0));
    EXPECT_EQ(loneFont.Find("spacing"), nullptr);
    EXPECT_EQ(loneFont.At("justify").tokens, (std::vector<std::string>{"BEGIN", "END"}));
    EXPECT_FLOAT_EQ(static_cast<float>(lone.nodes.at(0)->At("children").nodes[0]->At("translation").Number()), 0.3f);

    for (const char* label : {"a", "b", "c"}) slider.Labels()->Add(label);
    slider.SetTextAlignment(SliderTextAlignment::RIGHT_ALIGN_TEXT);
    slider.SetSliderOrientation(SliderAlignment::ZERO_AT_TOP);
    slider.AlignSlider();
    auto world = Written(*slider.RootNode());
    const auto& holders = world.nodes.at(0)->At("children").nodes;
    const auto& font = FontOf(*world.nodes.at(0));
    EXPECT_FLOAT_EQ(static_cast<float>(font.At("spacing").Number()), 2.0f);  // (2.5 - 0.5) / (2 x 0.5)
    EXPECT_EQ(font.At("justify").tokens, (std::vector<std::string>{"END", "END"}));
    EXPECT_FLOAT_EQ(static_cast<float>(holders[0]->At("translation").Number()), -0.3f);
    EXPECT_EQ(Floats(holders[1]->Find("translation")), (std::vector<float>{0, 2.5f, 0}));
    EXPECT_EQ(Floats(holders[1]->Find("rotation")), (std::vector<float>{1, 0, 0, 3.14159f}));
}

TEST(PointCollection, KeepsFourParallelListsAndRefusesPointsBeyondSixteenBits) {
    PointCollection frame;
    frame.AddPoint(1, 2, 3, 0.5f, 9557545, 0.25f);
    frame.AddPoint(4, 5, 6, 0, 179, 1);
    frame.AddPoint(7, 8, 9, 1, 13601584, 0);
    frame.RemovePoint(2);
    ASSERT_EQ(frame.Count(), 2);
    float x, y, z, r, t;
    std::int32_t colour;
    frame.Get1Point(2, x, y, z, r, colour, t);
    EXPECT_EQ((std::vector<float>{x, y, z, r, t}), (std::vector<float>{7, 8, 9, 1, 0}));
    EXPECT_EQ(colour, 13601584);
    frame.ClearPoints();
    EXPECT_EQ(frame.SphereCollectionNode()->RadiiField()->size() + frame.SphereCollectionNode()->ColorsField()->size() +
                  frame.SphereCollectionNode()->TransparenciesField()->size(),
              0u);

    for (int i = 0; i < PointCollection::kMaxPoints; ++i) frame.AddPoint(0, 0, 0, 0.1f, 0, 0);
    ExpectError([&] { frame.AddPoint(0, 0, 0, 0.1f, 0, 0); }, holvane::kOverflow);
    EXPECT_EQ(frame.Count(), PointCollection::kMaxPoints);
}

TEST(ScatterGraph, AnInterpolatorHoldsFarMoreThanSixteenBitsOfLocations) {
    auto graph = GraphOfFrames({20000, 20000, 20000});
    auto values = Floats(Export(*graph).defs.at("LOC_INT")->Find("keyValue"));
    EXPECT_EQ(values.size(), 3u * 20000u * 3u);
    EXPECT_EQ(values[3 * 59999 + 1], 19999.0f);
}

TEST(ScatterGraph, RefusedInputLeavesEverythingAsItWas) {
    auto graph = GraphOfFrames({1, 1});
    auto frame = graph->Get1PointFrame(1);
    auto slider = graph->FrameSlider();
    const auto before = [&] {
        return graph->ExportToString(true, true) + std::to_string(graph->FrameTimeGap()) +
               std::to_string(slider->LabelHeight()) + std::to_string(slider->SliderLength()) +
               std::to_string(slider->SliderRadius());
    };
    const std::string start = before();
    const struct {
        std::function<void()> action;
        std::uint32_t number;
        std::string message;
    } cases[] = {
        {[&] { graph->SetPointFrameCount(0); }, holvane::kObjectError, "There must be at least one point frame in the scene"},
        {[&] { graph->SetFrameTimeGap(0.5); }, holvane::kObjectError, "The frame time gap must take at least 1 second"},
        {[&] { frame->AddPoint(0, 0, 0, -0.1f, 0, 2); }, holvane::kObjectError, "Invalid radius, must be greater than or equal to 0"},
        {[&] { frame->AddPoint(0, 0, 0, 0, 0, 1.5f); }, holvane::kObjectError, "Invalid transparency, must be in the range [0..1]"},
        {[&] { frame->AddPoint(0, 0, 0, 0, 0, -0.1f); }, holvane::kObjectError, "Invalid transparency, must be in the range [0..1]"},
        {[&] { slider->SetLabelHeight(0); }, holvane::kObjectError, "Invalid label height, must be greater than 0"},
        {[&] { slider->SetSliderLength(-1); }, holvane::kObjectError, "Invalid slider length, must be greater than 0"},
        {[&] { slider->SetSliderRadius(0); }, holvane::kObjectError, "Invalid slider radius, must be greater than 0"},
        {[&] { graph->Get1PointFrame(3); }, holvane::kObjectError, "Invalid index into the list"},
        {[&] { frame->RemovePoint(2); }, holvane::kIndexOutOfRange, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        ExpectError(c.action, c.number, c.message);
        EXPECT_EQ(before(), start);
    }
    graph->SetFrameTimeGap(1.0);
    EXPECT_EQ(graph->FrameTimeGap(), 1.0);
    ExpectObjectError([] { Factory().CreateScatterGraph()->ExportToString(true, true); },
                      "Invalid index into the list: the scatter graph has no point frames (set PointFrameCount first)");
}
