// The area graph and the grid-graph skeleton: the tree, exports, proto locations, placement of
// title, legend and series, the series list, and the legend toggles.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "atrium/area_graph.hpp"
#include "atrium/graph_factory.hpp"
#include "atrium/proto_path.hpp"
#include "atrium/template_ctl.hpp"
#include "expect_error.hpp"
#include "test_factory.hpp"
#include "vrml_reader.hpp"

using namespace atrium;

namespace {

// Restores the process-wide proto path after a test that changes it.
struct ProtoPathGuard {
    std::string saved = ProtoPath();
    ~ProtoPathGuard() { SetProtoPath(saved); }
};

GraphFactory& Factory() { return TestFactory(); }

std::shared_ptr<AreaGraph> NewGraph() { return Factory().CreateAreaGraph(); }

const vrml_reader::Node& Root(const vrml_reader::World& world) {
    EXPECT_EQ(world.nodes.size(), 1u);
    return *world.nodes.at(0);
}

std::vector<float> Floats(const vrml_reader::Value& v) {
    std::vector<float> out;
    for (const auto& t : v.tokens) out.push_back(std::stof(t));
    return out;
}

}  // namespace

TEST(AreaGraph, AFreshGraphIsACompleteWorldWithElevenChildrenAndNoSeries) {
    auto graph = NewGraph();
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    const auto& root = Root(world);
    EXPECT_EQ(root.type, "Transform");
    const auto& children = root.At("children").nodes;
    ASSERT_EQ(children.size(), 11u);
    EXPECT_EQ(children[0]->type, "Background");
    EXPECT_EQ(children[10]->type, "Group");
    EXPECT_EQ(children[10]->Find("children"), nullptr) << "the series group is empty";
    EXPECT_TRUE(world.routes.empty());
    EXPECT_FALSE(world.externProtos.empty());
    for (const auto& proto : world.externProtos) EXPECT_EQ(proto.urls.size(), 1u) << proto.name;
    try {
        graph->GetSeries(1);
        ADD_FAILURE();
    } catch (const holvane::Error& e) {
        EXPECT_EQ(e.number(), holvane::kObjectError);
        EXPECT_EQ(std::string(e.what()), "Invalid series index, series count = 0");
    }
    EXPECT_EQ(graph->RootNode(), graph->RootNode());
}

TEST(AreaGraph, RepeatedExportsGiveTheSameTextAndTheFlagsShapeIt) {
    auto graph = NewGraph();
    graph->GridProps()->SetZAxisCellCount(3);
    graph->LegendProps()->SetUseSeriesToggle(true);
    graph->GetSeries(2)->Height()->Values() = {1, 2};
    std::string first = graph->ExportToString(true, true);
    EXPECT_EQ(graph->ExportToString(true, true), first);
    EXPECT_NE(first.find("\n\t"), std::string::npos);

    // Without breaks, the header's own line break is the only one (a browser reads the rest).
    std::string flat = graph->ExportToString(false, false);
    EXPECT_EQ(flat.find('\n'), 15u);
    EXPECT_EQ(flat.rfind('\n'), 15u);
    EXPECT_EQ(flat.find('\t'), std::string::npos);
    EXPECT_EQ(vrml_reader::Read(flat).nodes.size(), 1u);
    std::string noTabs = graph->ExportToString(true, false);
    EXPECT_EQ(noTabs.find('\t'), std::string::npos);
    EXPECT_NE(noTabs.find('\n'), std::string::npos);
    EXPECT_EQ(graph->ExportToString(false, true).rfind('\n'), 15u);
}

TEST(AreaGraph, ProtoLocationsAreFixedWhenTheNodesAreMade) {
    Factory();
    ProtoPathGuard guard;
    SetProtoPath("..\\protos\\");
    auto before = NewGraph();
    before->GridProps()->SetZAxisCellCount(1);
    SetProtoPath("later/");
    auto world = vrml_reader::Read(before->ExportToString(true, true));
    for (const auto& proto : world.externProtos) {
        const std::string& url = proto.urls.at(0);
        EXPECT_EQ(url.rfind("..\\protos\\HV_", 0), 0u) << url;
        EXPECT_EQ(url.substr(url.find('#') + 1), proto.name);
    }
    auto after = NewGraph();
    for (const auto& proto : vrml_reader::Read(after->ExportToString(true, true)).externProtos)
        EXPECT_EQ(proto.urls.at(0).rfind("later/HV_", 0), 0u) << proto.urls.at(0);
}

TEST(AreaGraph, TitleAndLegendStandBesideTheGrid) {
    auto graph = NewGraph();
    graph->GridProps()->SetWidth(10);
    graph->GridProps()->SetHeight(5);
    graph->ExportToString(false, false);
    EXPECT_FLOAT_EQ(graph->TitleProps()->RootTransform()->TranslationField()->X(), 5);
    EXPECT_FLOAT_EQ(graph->TitleProps()->RootTransform()->TranslationField()->Y(), 5.5f);
    EXPECT_FLOAT_EQ(graph->LegendProps()->RootTransform()->TranslationField()->X(), 11);
    EXPECT_FLOAT_EQ(graph->LegendProps()->RootTransform()->TranslationField()->Y(), 0.5f);
}

TEST(AreaGraph, OneSeriesPerZCellCentredInItsCell) {
    auto graph = NewGraph();
    auto grid = graph->GridProps();
    grid->SetDepth(3);
    grid->SetZAxisCellCount(3);
    ASSERT_EQ(graph->Series().Count(), 3);
    grid->SetWidth(10);
    grid->SetXAxisCellCount(5);
    graph->ExportToString(false, false);
    const float z[] = {0.25f, 1.25f, 2.25f};
    for (std::int16_t i = 1; i <= 3; ++i) {
        auto s = graph->GetSeries(i);
        EXPECT_FLOAT_EQ(s->Depth(), 0.5f);
        auto t = std::static_pointer_cast<holvane::Transform>(s->RootNode())->TranslationField();
        EXPECT_FLOAT_EQ(t->X(), 1);
        EXPECT_FLOAT_EQ(t->Z(), z[i - 1]);
        EXPECT_EQ(s->Count(), 5);
        EXPECT_FLOAT_EQ(s->Spacing(), 2);
        EXPECT_FLOAT_EQ(s->PopupProps()->Spacing(), 2);
        EXPECT_FLOAT_EQ(s->PopupProps()->radius(), 0.2f);
    }

    // Fewer cells drop the last series; the others keep their settings.
    auto first = graph->GetSeries(1);
    first->SetDepth(0.3f);
    first->SetLegendText("kept");
    grid->SetZAxisCellCount(2);
    ASSERT_EQ(graph->Series().Count(), 2);
    EXPECT_EQ(graph->GetSeries(1), first);
    EXPECT_FLOAT_EQ(graph->GetSeries(1)->Depth(), 0.3f);
    EXPECT_FLOAT_EQ(graph->GetSeries(2)->Depth(), 0.5f);
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    EXPECT_EQ(Root(world).At("children").nodes[10]->At("children").nodes.size(), 2u);
}

TEST(AreaGraph, SeriesCarryTheirHeightsIntoThePopups) {
    auto graph = NewGraph();
    graph->GridProps()->SetZAxisCellCount(1);
    auto s = graph->GetSeries(1);
    s->Height()->Values() = {1.5f, 2.5f};
    s->PopupProps()->SetUsePopups(true);
    graph->ExportToString(false, false);
    EXPECT_EQ(s->PopupProps()->Height()->Values(), (std::vector<float>{1.5f, 2.5f}));
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    std::vector<const vrml_reader::Node*> strips;
    std::function<void(const vrml_reader::Node&)> find = [&](const vrml_reader::Node& n) {
        if (n.type == "qrx_PopupStrip") strips.push_back(&n);
        for (const auto& [name, value] : n.fields)
            for (const auto& child : value.nodes) find(*child);
    };
    find(Root(world));
    ASSERT_EQ(strips.size(), 1u);
    EXPECT_EQ(Floats(strips[0]->At("height")), (std::vector<float>{1.5f, 2.5f}));
}

TEST(AreaGraph, LegendBoxesSwitchTheSeriesShownInTheLegend) {
    auto graph = NewGraph();
    graph->GridProps()->SetZAxisCellCount(3);
    graph->LegendProps()->SetUseSeriesToggle(true);
    graph->GetSeries(2)->SetShowInLegend(false);
    auto world = vrml_reader::Read(graph->ExportToString(true, true));
    ASSERT_EQ(world.routes.size(), 2u);
    EXPECT_EQ(world.routes[0].fromNode, "CHECK_BOX_1");
    EXPECT_EQ(world.routes[0].eventOut, "value_changed");
    EXPECT_EQ(world.routes[0].toNode, "SERIES_TOGGLE_1");
    EXPECT_EQ(world.routes[0].eventIn, "set_contentsExist");
    EXPECT_EQ(world.routes[1].fromNode, "CHECK_BOX_2");
    EXPECT_EQ(world.routes[1].toNode, "SERIES_TOGGLE_3");
    EXPECT_EQ(world.defs.count("SERIES_TOGGLE_2"), 0u);
    EXPECT_EQ(graph->LegendProps()->Legend()->DescriptionsField()->Count(), 2);

    // Without the toggles there are no boxes and no routes, and a second export agrees.
    graph->LegendProps()->SetUseSeriesToggle(false);
    graph->GetSeries(2)->SetShowInLegend(true);
    world = vrml_reader::Read(graph->ExportToString(true, true));
    EXPECT_TRUE(world.routes.empty());
    EXPECT_EQ(graph->LegendProps()->Legend()->DescriptionsField()->Count(), 3);
}

TEST(AreaGraph, BadSeriesSettingsAreRefusedAndChangeNothing) {
    auto graph = NewGraph();
    graph->GridProps()->SetZAxisCellCount(1);
    auto s = graph->GetSeries(1);
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { s->SetDepth(0); }, "Invalid series depth, must be greater than 0"},
        {[&] { s->SetSpacing(-1); }, "Invalid spacing, must be greater than 0"},
        {[&] { s->SetCount(0); }, "Invalid count, must be greater than 0"},
        {[&] { graph->Series().Get1Series(2); }, "Invalid index into the list"},
    };
    for (const auto& [call, message] : cases) {
        try {
            call();
            ADD_FAILURE() << message;
        } catch (const holvane::Error& e) {
            EXPECT_EQ(e.number(), holvane::kObjectError);
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
    EXPECT_EQ(s->Depth(), 1.0f / 2);
    EXPECT_EQ(s->Count(), 2);
}

TEST(AreaGraph, ExportToFileWritesTheSameWorldAndReportsFailure) {
    auto graph = NewGraph();
    graph->GridProps()->SetZAxisCellCount(2);
    auto dir = std::filesystem::temp_directory_path() / ("atrium_area_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto file = dir / "AreaGraphTest.wrl";
    ASSERT_TRUE(graph->ExportToFile(file.string()));
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, graph->ExportToString(true, true));
    EXPECT_FALSE(graph->ExportToFile((dir / "missing" / "x.wrl").string()));
    std::filesystem::remove_all(dir);
}

TEST(AreaGraph, APartKeptByTheHostOutlivesItsGraphSafely) {
    auto graph = NewGraph();
    auto grid = graph->GridProps();
    graph.reset();
    EXPECT_NO_THROW(grid->SetZAxisCellCount(4));
    EXPECT_EQ(grid->ZAxisCellCount(), 4);
}

TEST(AreaGraph, ACellCountWhoseSeriesCannotBeMadeChangesNothing) {
    auto graph = NewGraph();
    graph->GridProps()->SetZAxisCellCount(2);
    graph->GridProps()->SetDepth(3e-45f);  // two cells of the smallest float depth; half of one is 0
    const auto before = graph->Series().Items();
    const float spacing = graph->GridProps()->ChartGrid()->ZSpacingField()->Value();
    struct Case {
        std::int16_t count;
        std::string message;
    } cases[] = {
        {3, "The graph's depth (4e-45) is too small to hold a series in each of 3 cells on the Z axis"},
        {32767, "The graph's depth (3e-45) is too small to divide into 32767 cells on the Z axis"},
    };
    for (const Case& c : cases) {
        ExpectObjectError([&] { graph->GridProps()->SetZAxisCellCount(c.count); }, c.message);
        EXPECT_EQ(graph->GridProps()->ZAxisCellCount(), 2);
        EXPECT_EQ(graph->GridProps()->ChartGrid()->ZSpacingField()->Value(), spacing);
        EXPECT_EQ(graph->Series().Items(), before);
    }
    graph->GridProps()->SetZAxisCellCount(1);  // fewer series need no new ones
    EXPECT_EQ(graph->Series().Count(), 1);
}

TEST(AreaGraph, AGridTooShallowToDivideSaysSoAndChangesNothing) {
    auto graph = NewGraph();
    auto grid = graph->GridProps();
    grid->SetDepth(1e-45f);
    ExpectObjectError([&] { grid->SetZAxisCellCount(2); },
                      "The graph's depth (1e-45) is too small to divide into 2 cells on the Z axis");
    EXPECT_EQ(grid->ZAxisCellCount(), 1);
    EXPECT_EQ(grid->Depth(), 1e-45f);
    EXPECT_EQ(graph->Series().Count(), 0);
}

TEST(SeriesCollection, ThePositionAfter32767IsRefusedWithOverflow) {
    SeriesCollection<int> list;
    for (int i = 0; i < 32767; ++i) list.AddSeries(std::make_shared<int>(i));
    try {
        list.AddSeries(std::make_shared<int>(-1));
        ADD_FAILURE();
    } catch (const holvane::Error& e) {
        EXPECT_EQ(e.number(), holvane::kOverflow);
    }
    EXPECT_EQ(list.Count(), 32767);
    EXPECT_EQ(*list.Get1Series(32767), 32766);
}
