// The graph library's factory and control, and a world of all 26 protos read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <typeinfo>

#include "holvane/graph/hv_graph_ctl.hpp"
#include "holvane/holvane.hpp"
#include "vrml_reader.hpp"

using namespace holvane;
using namespace holvane::graph;

namespace {

// The error a factory raises for a name, or none.
std::optional<std::pair<std::uint32_t, std::string>> ErrorOf(IVRMLFactory& factory, std::string_view name) {
    try {
        factory.CreateNode(name);
    } catch (const Error& e) {
        return std::pair{e.number(), e.description()};
    }
    return std::nullopt;
}

// The dynamic type of what a factory made (typeid on a named object, so the call stays outside).
template <class T>
const std::type_info& TypeOf(const std::shared_ptr<T>& made) {
    const T& object = *made;
    return typeid(object);
}

}  // namespace

TEST(VRMLFactory, CreatesEachGraphProtoByItsWholeName) {
    auto factory = HVGraphCtl().Factory();
#define EXPECT_CREATES(Class, LIST)                                       \
    {                                                                     \
        auto node = factory->CreateNode(#Class);                          \
        EXPECT_EQ(TypeOf(node), typeid(Class)) << #Class;                 \
        EXPECT_NE(node, factory->CreateNode(#Class)) << "a new node each call"; \
    }
    HOLVANE_GRAPH_PROTOS(EXPECT_CREATES)
#undef EXPECT_CREATES
    EXPECT_EQ(TypeOf(factory->CreateNode("qrx_Surface")), typeid(qrx_Surface));
    EXPECT_EQ(TypeOf(factory->CreateNode("qrx_SurfaceChart")), typeid(qrx_SurfaceChart));
    EXPECT_EQ(TypeOf(factory->CreateNode("Transform")), typeid(Transform));
}

TEST(VRMLFactory, PassesEveryOtherNameToTheCoreUnchanged) {
    auto factory = HVGraphCtl().Factory();
    CoreFactory core;
    for (std::string_view name : {"QRX_SURFACE", "qrx_surface", "qrx_Surfac", "qrx_SurfaceChart ", "qrx_SurfaceCharts",
                                  "", "qrx_CheckBox", "HV_GRAPH"}) {
        SCOPED_TRACE(name);
        auto error = ErrorOf(*factory, name);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error, ErrorOf(core, name));
    }
    EXPECT_EQ(TypeOf(factory->CreateField("MFRotation")), typeid(MFRotation));
    EXPECT_EQ(TypeOf(factory->CreateTraverser("VRMLStringTraverser")), typeid(VRMLStringTraverser));
    EXPECT_EQ(TypeOf(factory->CreateTraverser("VRMLFileTraverser")), typeid(VRMLFileTraverser));
    EXPECT_EQ(factory->CreateRouteCollection()->Count(), 0u);
    EXPECT_THROW(factory->CreateField("SFNodes"), Error);
    EXPECT_THROW(factory->CreateTraverser("qrx_Legend"), Error);
}

TEST(HVGraphCtl, HandsOutOneFactoryAndKeepsItsSize) {
    HVGraphCtl control;
    EXPECT_EQ(control.Factory(), control.Factory());
    EXPECT_NE(std::dynamic_pointer_cast<VRMLFactory>(control.Factory()), nullptr);
    EXPECT_EQ(&HostForm(), &HostForm());
    EXPECT_EQ(control.Width(), 615);
    EXPECT_EQ(control.Height(), 615);
    for (auto [w, h] : {std::pair{100, 2000}, std::pair{0, 0}, std::pair{-5, 615}, std::pair{615, 616}}) {
        control.Resize(w, h);
        EXPECT_EQ(control.Width(), 615);
        EXPECT_EQ(control.Height(), 615);
    }
}

namespace {

struct ProtoTable {
    std::span<const Declaration> declarations;
    std::string_view file;
};

// The declaration table and proto file of every proto, by name.
const std::map<std::string, ProtoTable>& Tables() {
#define TABLE(Class, LIST, file) {#Class, {Class::kDeclarations, file}},
#define GRAPH(Class, LIST) TABLE(Class, LIST, kGraphProtoFile)
#define UI(Class, LIST) TABLE(Class, LIST, kUIProtoFile)
#define NAV(Class, LIST) TABLE(Class, LIST, kNavProtoFile)
    static const std::map<std::string, ProtoTable> tables = {
        HOLVANE_GRAPH_PROTOS(GRAPH) HOLVANE_UI_PROTOS(UI) HOLVANE_NAV_PROTOS(NAV)};
#undef TABLE
#undef GRAPH
#undef UI
#undef NAV
    return tables;
}

// Counts the instances of each node type in a read tree.
void CountTypes(const vrml_reader::Node& node, std::map<std::string, int>& counts) {
    ++counts[node.type];
    for (const auto& [name, value] : node.fields)
        for (const auto& child : value.nodes) CountTypes(*child, counts);
}

}  // namespace

TEST(VRMLFactory, WorldOfEveryProtoDeclaresEachOnceAndReadsBack) {
    const std::string protoPath = R"(..\protos\)";
    HVGraphCtl graphs;
    HVUICtl ui;
    HVNavCtl nav;
    auto factory = graphs.Factory();
    auto root = std::dynamic_pointer_cast<Transform>(factory->CreateNode("Transform"));
    ASSERT_NE(root, nullptr);
    auto add = [&](IVRMLFactory& from, std::string_view name, std::string_view file) {
        auto node = from.CreateNode(name);
        std::dynamic_pointer_cast<ProtoNode>(node)->SetSourceFile(protoPath + std::string(file));
        root->ChildrenField()->Add(node);
        return node;
    };
#define ADD_GRAPH(Class, LIST) add(*factory, #Class, kGraphProtoFile);
    HOLVANE_GRAPH_PROTOS(ADD_GRAPH)
#undef ADD_GRAPH
    auto toggle = std::dynamic_pointer_cast<qrx_ContentToggle>(add(*ui.Factory(), "qrx_ContentToggle", kUIProtoFile));
    auto box = add(*ui.Factory(), "qrx_CheckBox", kUIProtoFile);
    add(*ui.Factory(), "qrx_Slider", kUIProtoFile);
    add(*nav.Factory(), "qrx_Router", kNavProtoFile);

    // Nodes nested in proto fields, a second series of one class, a shared appearance, a route.
    auto series = factory->Create<qrx_OutlinedAreaSeries>();
    series->SetSourceFile(protoPath + std::string(kGraphProtoFile));
    auto appearance = factory->Create<Appearance>();
    series->AppearanceField()->SetValue(appearance);
    series->HeightField()->Values() = {1, 2.5f};
    toggle->ChildrenField()->Add(series);
    auto chart = factory->Create<qrx_BlockChart>();
    chart->SetSourceFile(protoPath + std::string(kGraphProtoFile));
    chart->ChartGridField()->SetValue(factory->Create<qrx_ChartGrid>());
    chart->SeriesField()->Add(factory->Create<qrx_OutlinedColumnSeries>());
    chart->AppearancesField()->Add(appearance);
    root->ChildrenField()->Add(chart);
    auto routes = factory->CreateRouteCollection();
    routes->Add(box, "value_changed", toggle, "set_contentsExist");

    auto writer = std::dynamic_pointer_cast<VRMLStringTraverser>(factory->CreateTraverser("VRMLStringTraverser"));
    std::string text = writer->Write(*root, *routes);
    auto world = vrml_reader::Read(text);

    // One EXTERNPROTO per class, with the class's declarations and its proto file's URL.
    const auto& tables = Tables();
    ASSERT_EQ(tables.size(), 26u);
    ASSERT_EQ(world.externProtos.size(), 26u) << text;
    std::set<std::string> declared;
    for (const auto& proto : world.externProtos) {
        SCOPED_TRACE(proto.name);
        ASSERT_TRUE(tables.count(proto.name));
        EXPECT_TRUE(declared.insert(proto.name).second) << "declared twice";
        const auto& table = tables.at(proto.name).declarations;
        ASSERT_EQ(proto.declarations.size(), table.size());
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(proto.declarations[i].kind, KindName(table[i].kind));
            EXPECT_EQ(proto.declarations[i].type, TypeName(table[i].type));
            EXPECT_EQ(proto.declarations[i].name, table[i].name);
        }
        std::string file(tables.at(proto.name).file);
        EXPECT_EQ(proto.urls, std::vector<std::string>{protoPath + file + "#" + proto.name});
    }

    // The tree: every proto instance names only fields its declaration has.
    ASSERT_EQ(world.nodes.size(), 1u);
    std::map<std::string, int> counts;
    CountTypes(*world.nodes[0], counts);
    for (const auto& [name, table] : tables) EXPECT_GE(counts[name], 1) << name;
    EXPECT_EQ(counts["qrx_OutlinedAreaSeries"], 2);
    EXPECT_EQ(counts["qrx_ChartGrid"], 2);
    EXPECT_EQ(world.routes.size(), 1u);
    std::function<void(const vrml_reader::Node&)> check = [&](const vrml_reader::Node& node) {
        if (auto it = tables.find(node.type); it != tables.end()) {
            const auto& table = it->second.declarations;
            for (const auto& entry : node.fields) {
                const std::string& field = entry.first;  // a plain name: lambdas may not capture bindings
                auto d = std::find_if(table.begin(), table.end(),
                                      [&](const Declaration& decl) { return decl.name == field; });
                ASSERT_NE(d, table.end()) << node.type << "." << field;
                EXPECT_TRUE(d->kind == FieldKind::field || d->kind == FieldKind::exposedField);
            }
        }
        for (const auto& [field, value] : node.fields)
            for (const auto& child : value.nodes) check(*child);
    };
    check(*world.nodes[0]);
    const vrml_reader::Node* read = nullptr;
    for (const auto& child : world.nodes[0]->At("children").nodes)
        if (child->type == "qrx_ContentToggle") read = child->At("children").nodes.at(0).get();
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->type, "qrx_OutlinedAreaSeries");
    EXPECT_EQ(read->At("height").tokens, (std::vector<std::string>{"1", "2.5"}));
    EXPECT_FALSE(read->At("appearance").nodes.at(0)->def.empty()) << "the shared appearance is DEFined";
}
