// The 22 graph protos and the four user-interface and navigation protos, walked through the same
// checks; then the exact texts the proto nodes write in the cases where mistakes hide.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <iterator>
#include <map>
#include <numbers>
#include <sstream>

#include "holvane/graph/graph_protos.hpp"
#include "holvane/graph/hv_graph_ctl.hpp"
#include "holvane/holvane.hpp"

using namespace holvane;
using namespace holvane::graph;

namespace {

struct Row {
    std::string kind, type, name, initial;
    bool IsField() const { return kind == "field" || kind == "exposedField"; }
};

// The declarations of a class, from its table (the proto file test compares the tables with the
// PROTOs of the proto files).
std::vector<Row> ExpectedRows(const Node& node) {
    std::vector<Row> rows;
    for (const Declaration& d : node.Class().Declarations())
        rows.push_back({std::string(KindName(d.kind)), std::string(TypeName(d.type)), std::string(d.name),
                        std::string(d.initial)});
    return rows;
}

// Every field accessor returns the live field object of its name.
#define EXPECT_ACCESSOR(kind, Type, name, Accessor, initial) EXPECT_ACCESSOR_##kind(Type, name, Accessor)
#define EXPECT_ACCESSOR_exposedField(Type, name, Accessor) \
    EXPECT_EQ(node.Accessor##Field().get(), node.GetField(#name).get()) << #name;
#define EXPECT_ACCESSOR_field(Type, name, Accessor) EXPECT_ACCESSOR_exposedField(Type, name, Accessor)
#define EXPECT_ACCESSOR_eventIn(Type, name, Accessor)
#define EXPECT_ACCESSOR_eventOut(Type, name, Accessor)

struct ProtoClass {
    std::string_view name;
    std::string_view protoFile;
    std::function<std::shared_ptr<ProtoNode>()> make;
    std::function<void()> checkAccessors;
};

std::vector<ProtoClass> AllProtoClasses() {
#define ENTRY(Class, LIST, file) \
    {#Class, file, [] { return std::make_shared<Class>(); }, [] { Class node; LIST(EXPECT_ACCESSOR) }},
#define GRAPH(Class, LIST) ENTRY(Class, LIST, kGraphProtoFile)
#define UI(Class, LIST) ENTRY(Class, LIST, kUIProtoFile)
#define NAV(Class, LIST) ENTRY(Class, LIST, kNavProtoFile)
    return {HOLVANE_GRAPH_PROTOS(GRAPH) HOLVANE_UI_PROTOS(UI) HOLVANE_NAV_PROTOS(NAV)};
#undef ENTRY
#undef GRAPH
#undef UI
#undef NAV
}

std::string World(Node& root) { return VRMLStringTraverser().Write(root, RouteCollection()); }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Checks that event lookup raises the eventIn or eventOut error with its exact number and text.
void ExpectUnsupported(const Node& node, const std::string& name, bool eventIn) {
    try {
        eventIn ? node.GetEventInType(name) : node.GetEventOutType(name);
        ADD_FAILURE() << name << " answered";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), eventIn ? 0x80040046u : 0x80040050u) << name;
        EXPECT_EQ(e.description(), eventIn ? "This eventIn is not supported by this node."
                                           : "This eventOut is not supported by this node.")
            << name;
    }
}

// A proto that counts how often registration reaches it, and when it last did.
class CountingProbe : public ProtoNode {
public:
    int registered = 0;
    int order = 0;
    static inline int clock = 0;
    void RegisterOwnProtos(Traverser& traverser) override {
        ++registered;
        order = ++clock;
        ProtoNode::RegisterOwnProtos(traverser);
    }

protected:
    using ProtoNode::ProtoNode;
};
#define TEST_PROBE(F) F(field, SFInt32, tag, Tag, "0")
HOLVANE_NODE_CLASS(test_Probe, CountingProbe, proto, TEST_PROBE)

// A root that writes its child at the deepest depth a 16-bit tabCount allows.
class DeepRootBase : public Node {
public:
    void Traverse(Traverser& traverser, std::int16_t) override {
        std::static_pointer_cast<SFNode>(Fields()[0])->Value()->Traverse(traverser, 32767);
    }

protected:
    using Node::Node;
};
#define TEST_DEEP_ROOT(F) F(field, SFNode, child, Child, "NULL")
HOLVANE_NODE_CLASS(test_DeepRoot, DeepRootBase, standard, TEST_DEEP_ROOT)

// Keeps what was written when a write fails.
class KeepingTraverser final : public Traverser {
public:
    std::string Write(Node& root) {
        text_ = {};
        try {
            WriteWorld(root, RouteCollection(), text_);
        } catch (...) {
            Attach(nullptr);
            throw;
        }
        return text_.buffer();
    }
    const std::string& Text() { return text_.buffer(); }

private:
    TextOut text_;
};

}  // namespace

TEST(ProtoNodes, EveryClassFollowsItsDeclarationsAndEventLists) {
    auto classes = AllProtoClasses();
    ASSERT_EQ(classes.size(), 26u);
    for (const auto& cls : classes) {
        SCOPED_TRACE(cls.name);
        auto node = cls.make();
        EXPECT_EQ(node->NodeType(), cls.name);
        EXPECT_EQ(node->DEFName(), "");
        EXPECT_EQ(node->Index(), 1);
        EXPECT_EQ(node->SourceFile(), "");
        cls.checkAccessors();

        // Fields: one per field declaration, in order, named, typed and holding its initial value.
        auto rows = ExpectedRows(*node);
        std::vector<Row> fields;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(fields), [](const Row& r) { return r.IsField(); });
        ASSERT_EQ(node->Fields().size(), fields.size());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const Field& field = *node->Fields()[i];
            EXPECT_EQ(field.Name(), fields[i].name);
            EXPECT_EQ(field.TypeName(), fields[i].type) << fields[i].name;
            if (field.Type() == FieldType::SFNode) continue;
            auto initial = MakeField(field.Type());
            initial->Parse(fields[i].initial);
            EXPECT_TRUE(field.Equals(*initial)) << fields[i].name << " " << fields[i].initial;
        }

        // A fresh node writes its declaration, then its first line, its SFNode fields and "}".
        std::string header = "EXTERNPROTO " + std::string(cls.name) + " [\n";
        for (const Row& row : rows) header += "    " + row.kind + " " + row.type + " " + row.name + "\n";
        header += "] \"" + std::string(cls.protoFile) + "#" + std::string(cls.name) + "\"\n\n";
        std::string instance = std::string(cls.name) + " { \n";
        for (const Row& row : fields)
            if (row.type == "SFNode") instance += "\t" + row.name + " NULL\n";
        node->SetSourceFile(std::string(cls.protoFile));
        EXPECT_EQ(World(*node), "#VRML V2.0 utf8\n\n" + header + instance + "}\n");

        // Events: set_ and _changed of each exposedField, then the declared ones, each with its type;
        // every other name near a declaration, and every wrong case, raises.
        std::map<std::string, std::string> ins, outs;
        for (const Row& row : rows) {
            if (row.kind == "exposedField") {
                ins["set_" + row.name] = row.type;
                outs[row.name + "_changed"] = row.type;
            }
            if (row.kind == "eventIn") ins[row.name] = row.type;
            if (row.kind == "eventOut") outs[row.name] = row.type;
        }
        for (const auto& [events, eventIn] : {std::pair{&ins, true}, std::pair{&outs, false}}) {
            for (const auto& [name, type] : *events) {
                EXPECT_EQ(eventIn ? node->GetEventInType(name) : node->GetEventOutType(name), type) << name;
                std::string flipped = name;
                flipped[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(flipped[0])));
                ExpectUnsupported(*node, flipped, eventIn);
                ExpectUnsupported(*node, name + " ", eventIn);
            }
            for (const Row& row : rows)
                for (const std::string& candidate : {row.name, "set_" + row.name, row.name + "_changed"})
                    if (!events->count(candidate)) ExpectUnsupported(*node, candidate, eventIn);
        }

        // RegisterProtos reaches every node held in SFNode and MFNode fields, and only those.
        std::vector<std::shared_ptr<test_Probe>> probes;
        auto probe = [&] {
            probes.push_back(std::make_shared<test_Probe>());
            probes.back()->SetSourceFile("probe.wrl");
            return probes.back();
        };
        for (const auto& field : node->Fields()) {
            if (field->Type() == FieldType::SFNode) {
                std::static_pointer_cast<SFNode>(field)->SetValue(probe());
            } else if (field->Type() == FieldType::MFNode) {
                std::static_pointer_cast<MFNode>(field)->Add(probe());
                std::static_pointer_cast<MFNode>(field)->Add(probe());
            }
        }
        std::string text = World(*node);
        for (const auto& p : probes) EXPECT_EQ(p->registered, 1);
        std::vector<std::string> declared;
        for (const auto& line : Lines(text))
            if (line.starts_with("EXTERNPROTO ")) declared.push_back(line);
        std::vector<std::string> expected = {"EXTERNPROTO " + std::string(cls.name) + " ["};
        if (!probes.empty()) expected.push_back("EXTERNPROTO test_Probe [");
        EXPECT_EQ(declared, expected);
    }
}

TEST(ProtoNodes, HeaderWithoutSourceFileIsOneCommentLine) {
    qrx_OutlinedAreaSeries series;
    EXPECT_EQ(VRMLStringTraverser().WriteDeclaration(series),
              "# NO SOURCE FILE WAS SUPPLIED FOR THE qrx_OutlinedAreaSeries NODE !\n\n");
    qrx_Legend legend;
    EXPECT_EQ(World(legend),
              "#VRML V2.0 utf8\n\n# NO SOURCE FILE WAS SUPPLIED FOR THE qrx_Legend NODE !\n\nqrx_Legend { \n}\n");
}

TEST(ProtoNodes, SourceFileReachesTheBrowserUnchanged) {
    // The URL is a VRML string: backslashes and quotes are escaped so that it reads back unchanged.
    const std::pair<std::string, std::string> cases[] = {
        {"HV_GRAPH.wrl", R"(] "HV_GRAPH.wrl#qrx_OutlinedAreaSeries")"},
        {R"(..\protos\HV_GRAPH.wrl)", R"(] "..\\protos\\HV_GRAPH.wrl#qrx_OutlinedAreaSeries")"},
        {"../my protos/HV_GRAPH.wrl", R"(] "../my protos/HV_GRAPH.wrl#qrx_OutlinedAreaSeries")"},
        {R"(C:\a "b"\HV_GRAPH.wrl)", R"(] "C:\\a \"b\"\\HV_GRAPH.wrl#qrx_OutlinedAreaSeries")"},
    };
    for (const auto& [sourceFile, line] : cases) {
        qrx_OutlinedAreaSeries series;
        series.SetSourceFile(sourceFile);
        EXPECT_EQ(series.SourceFile(), sourceFile);
        auto lines = Lines(VRMLStringTraverser().WriteDeclaration(series));
        ASSERT_EQ(lines.size(), 13u);
        EXPECT_EQ(lines[11], line);
        EXPECT_EQ(lines[12], "");
    }
}

TEST(ProtoNodes, FirstLineWithAndWithoutDefName) {
    qrx_ChartGrid grid;
    VRMLStringTraverser writer;
    EXPECT_EQ(writer.WriteFragment(grid), "qrx_ChartGrid { \n\tappearance NULL\n}\n");
    // A name that is not a VRML identifier would break the world: it is refused when set.
    EXPECT_THROW(grid.SetDEFName(" "), Error);
    EXPECT_EQ(writer.WriteFragment(grid), "qrx_ChartGrid { \n\tappearance NULL\n}\n");
    grid.SetDEFName("GRID");
    grid.SetIndex(-7);
    EXPECT_EQ(grid.Index(), -7);
    EXPECT_EQ(writer.WriteFragment(grid, 2), "\t\tDEF GRID qrx_ChartGrid { \n\t\t\tappearance NULL\n\t\t}\n");
}

TEST(ProtoNodes, FreshWorldOfOneAreaSeries) {
    qrx_OutlinedAreaSeries series;
    series.SetSourceFile("HV_GRAPH.wrl");
    EXPECT_EQ(World(series),
              "#VRML V2.0 utf8\n"
              "\n"
              "EXTERNPROTO qrx_OutlinedAreaSeries [\n"
              "    exposedField SFNode appearance\n"
              "    exposedField SFColor wireColor\n"
              "    field SFInt32 xDimension\n"
              "    field SFFloat xSpacing\n"
              "    field SFFloat depth\n"
              "    field MFFloat height\n"
              "    eventIn SFInt32 set_xDimension\n"
              "    eventIn SFFloat set_xSpacing\n"
              "    eventIn SFFloat set_depth\n"
              "    eventIn MFFloat set_height\n"
              "] \"HV_GRAPH.wrl#qrx_OutlinedAreaSeries\"\n"
              "\n"
              "qrx_OutlinedAreaSeries { \n"
              "\tappearance NULL\n"
              "}\n");
}

namespace {

struct WriteCase {
    std::string_view what;
    std::shared_ptr<ProtoNode> node;  // already changed
    std::string_view field;
    std::string_view line;  // the field's exact line, or empty when the field is not written
};

template <class C, class Change>
std::shared_ptr<ProtoNode> Changed(Change change) {
    auto node = std::make_shared<C>();
    change(*node);
    return node;
}

const float kHalfPi = static_cast<float>(std::numbers::pi / 2);

}  // namespace

TEST(ProtoNodes, FieldsAreWrittenExactlyWhenTheyDifferFromTheirInitialValues) {
    const WriteCase cases[] = {
        // Single floats: the initial value set again is not written, the neighbouring float is.
        {"bevelRadius 0.1 again", Changed<qrx_RoundedColumnSeries>([](auto& n) { n.BevelRadiusField()->SetValue(0.1f); }),
         "bevelRadius", ""},
        {"grid thickness 0.1 from a double",
         Changed<qrx_ChartGrid>([](auto& n) { n.ThicknessField()->SetValue(static_cast<float>(0.1)); }), "thickness", ""},
        {"rounded ribbon creaseAngle 0.1", Changed<qrx_RoundedRibbonSeries>([](auto& n) { n.CreaseAngleField()->SetValue(0.1f); }),
         "creaseAngle", ""},
        {"rounded ribbon creaseAngle 0.5", Changed<qrx_RoundedRibbonSeries>([](auto& n) { n.CreaseAngleField()->SetValue(0.5f); }),
         "creaseAngle", "\tcreaseAngle 0.5"},
        {"rounded column creaseAngle 0.5", Changed<qrx_RoundedColumnSeries>([](auto& n) { n.CreaseAngleField()->SetValue(0.5f); }),
         "creaseAngle", ""},
        {"surface creaseAngle 3.14159", Changed<qrx_Surface>([](auto& n) { n.CreaseAngleField()->SetValue(3.14159f); }),
         "creaseAngle", ""},
        {"surface creaseAngle pi",
         Changed<qrx_Surface>([](auto& n) { n.CreaseAngleField()->SetValue(std::numbers::pi_v<float>); }), "creaseAngle",
         "\tcreaseAngle 3.1415927"},
        {"outlined slice angle 1.5708", Changed<qrx_OutlinedPieSlice>([](auto& n) { n.AngleField()->SetValue(1.5708f); }),
         "angle", ""},
        {"outlined slice angle pi/2", Changed<qrx_OutlinedPieSlice>([](auto& n) { n.AngleField()->SetValue(kHalfPi); }),
         "angle", "\tangle 1.5707964"},
        {"ring slice angle 1.5708", Changed<qrx_RoundedRingSlice>([](auto& n) { n.AngleField()->SetValue(1.5708f); }),
         "angle", ""},
        {"ring slice angle pi/2", Changed<qrx_RoundedRingSlice>([](auto& n) { n.AngleField()->SetValue(kHalfPi); }),
         "angle", "\tangle 1.5707964"},
        // Integers and colours.
        {"xDimension 3", Changed<qrx_OutlinedAreaSeries>([](auto& n) { n.XDimensionField()->SetValue(3); }),
         "xDimension", "\txDimension 3"},
        {"packed red outline", Changed<qrx_OutlinedAreaSeries>([](auto& n) { n.WireColorField()->SetRGBValue(0x0000FF); }),
         "wireColor", "\twireColor 1 0 0"},
        {"packed blue grade", Changed<qrx_SurfaceChart>([](auto& n) { n.GradeColorField()->SetRGBValue(0xFF0000); }),
         "gradeColor", ""},
        {"grade one component off", Changed<qrx_Surface>([](auto& n) { n.GradeColorField()->SetBlue(0.9f); }),
         "gradeColor", "\tgradeColor 0 0 0.9"},
        // Lists: written while they hold a value.
        {"heights filled then emptied", Changed<qrx_OutlinedAreaSeries>([](auto& n) {
             n.HeightField()->Add(1.5f);
             n.HeightField()->Clear();
         }),
         "height", ""},
        {"heights filled", Changed<qrx_OutlinedAreaSeries>([](auto& n) {
             n.HeightField()->Add(1.5f);
             n.HeightField()->Add(2);
         }),
         "height", "\theight [ 1.5 2 ]"},
        {"column appearances filled then emptied", Changed<qrx_OutlinedColumnSeries>([](auto& n) {
             auto appearance = std::make_shared<Appearance>();
             n.AppearanceField()->Add(appearance);
             n.AppearanceField()->RemoveNode(appearance);
         }),
         "appearance", ""},
        {"mask filled then emptied", Changed<qrx_ElevationWireframe>([](auto& n) {
             n.ZMaskField()->Add(1);
             n.ZMaskField()->Remove(1);
         }),
         "zMask", ""},
        {"block chart series filled", Changed<qrx_BlockChart>([](auto& n) { n.SeriesField()->Add(std::make_shared<Group>()); }),
         "series", "\tseries ["},
        {"popup texts filled", Changed<qrx_PopupStrip>([](auto& n) { n.PopupTextField()->Add("a \"b\""); }),
         "popupText", "\tpopupText [ \"a \\\"b\\\"\" ]"},
        // Strings, compared exactly.
        {"keyStyle BOX again", Changed<qrx_Legend>([](auto& n) { n.KeyStyleField()->SetValue("BOX"); }), "keyStyle", ""},
        {"keyStyle box", Changed<qrx_Legend>([](auto& n) { n.KeyStyleField()->SetValue("box"); }), "keyStyle",
         "\tkeyStyle \"box\""},
        {"sphere allignment RIGHT", Changed<qrx_SphereCollection>([](auto& n) { n.AllignmentField()->SetValue("RIGHT"); }),
         "allignment", ""},
        {"cone allignment RIGHT", Changed<qrx_ConeCollection>([](auto& n) { n.AllignmentField()->SetValue("RIGHT"); }),
         "allignment", ""},
        {"strip allignment RIGHT", Changed<qrx_PopupStrip>([](auto& n) { n.AllignmentField()->SetValue("RIGHT"); }),
         "allignment", "\tallignment \"RIGHT\""},
        {"strip allignment TOP", Changed<qrx_PopupStrip>([](auto& n) { n.AllignmentField()->SetValue("TOP"); }),
         "allignment", ""},
        {"popup surface allignment RIGHT", Changed<qrx_PopupSurface>([](auto& n) { n.AllignmentField()->SetValue("RIGHT"); }),
         "allignment", "\tallignment \"RIGHT\""},
        {"defaultPopupText set", Changed<qrx_SphereCollection>([](auto& n) { n.DefaultPopupTextField()->SetValue("x"); }),
         "defaultPopupText", "\tdefaultPopupText \"x\""},
        {"defaultPopupText cleared", Changed<qrx_PopupSurface>([](auto& n) { n.DefaultPopupTextField()->SetValue(""); }),
         "defaultPopupText", ""},
        // Rotations: compared component by component.
        {"defaultRotation 0 1 0 0 again", Changed<qrx_ConeCollection>([](auto& n) { n.DefaultRotationField()->SetValues(0, 1, 0, 0); }),
         "defaultRotation", ""},
        {"defaultRotation 0 0 1 0", Changed<qrx_ConeCollection>([](auto& n) { n.DefaultRotationField()->SetValues(0, 0, 1, 0); }),
         "defaultRotation", "\tdefaultRotation 0 0 1 0"},
        // Booleans.
        {"touchEnabled FALSE", Changed<qrx_SphereCollection>([](auto& n) { n.TouchEnabledField()->SetValue(false); }),
         "touchEnabled", "\ttouchEnabled FALSE"},
        {"touchEnabled TRUE", Changed<qrx_ConeCollection>([](auto& n) { n.TouchEnabledField()->SetValue(true); }),
         "touchEnabled", ""},
        {"billboarded FALSE", Changed<qrx_PieChart>([](auto& n) { n.BillboardedField()->SetValue(false); }),
         "billboarded", "\tbillboarded FALSE"},
        {"surface useGrade TRUE", Changed<qrx_Surface>([](auto& n) { n.UseGradeField()->SetValue(true); }),
         "useGrade", "\tuseGrade TRUE"},
        {"surface chart useGrade TRUE", Changed<qrx_SurfaceChart>([](auto& n) { n.UseGradeField()->SetValue(true); }),
         "useGrade", "\tuseGrade TRUE"},
        // Intervals.
        {"blockSize 2", Changed<qrx_MultiStringInterval>([](auto& n) { n.BlockSizeField()->SetValue(2); }), "blockSize",
         "\tblockSize 2"},
        {"index 1", Changed<qrx_MultiFloatInterval>([](auto& n) { n.IndexField()->SetValue(1); }), "index", "\tindex 1"},
        {"holdX TRUE", Changed<qrx_MultiVec3fInterval>([](auto& n) { n.HoldXField()->SetValue(true); }), "holdX",
         "\tholdX TRUE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto lines = Lines(VRMLStringTraverser().WriteFragment(*c.node));
        std::vector<std::string> fieldLines;
        for (const auto& line : lines)
            if (line.starts_with("\t" + std::string(c.field) + " ")) fieldLines.push_back(line);
        if (c.line.empty()) {
            EXPECT_EQ(fieldLines, std::vector<std::string>{});
        } else {
            EXPECT_EQ(fieldLines, std::vector<std::string>{std::string(c.line)});
        }
        // Nothing else differs from a fresh node of the class.
        auto fresh = Lines(VRMLStringTraverser().WriteFragment(*HVGraphCtl().Factory()->CreateNode(c.node->NodeType())));
        if (!c.line.ends_with("[")) {
            EXPECT_EQ(lines.size(), fresh.size() + fieldLines.size());
        }
        EXPECT_EQ(lines.front(), fresh.front());
        EXPECT_EQ(lines.back(), "}");
    }
}

TEST(ProtoNodes, DepthThatDoesNotFitRaisesOverflowOnceAFieldIsToBeWritten) {
    // A node with a field to write: the first line is written, then the depth overflows.
    auto root = std::make_shared<test_DeepRoot>();
    root->ChildField()->SetValue(std::make_shared<qrx_OutlinedAreaSeries>());
    KeepingTraverser writer;
    try {
        writer.Write(*root);
        ADD_FAILURE() << "no overflow";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), kOverflow);
    }
    const std::string& text = writer.Text();
    EXPECT_TRUE(text.ends_with("\n" + std::string(32767, '\t') + "qrx_OutlinedAreaSeries { \n")) << text.substr(0, 200);

    // A fresh node of a class without SFNode fields has nothing to write below its first line.
    root->ChildField()->SetValue(std::make_shared<qrx_MultiFloatInterval>());
    std::string whole = writer.Write(*root);
    EXPECT_TRUE(whole.ends_with(std::string(32767, '\t') + "qrx_MultiFloatInterval { \n" +
                                std::string(32767, '\t') + "}\n"));
    auto interval = std::make_shared<qrx_MultiFloatInterval>();
    interval->IndexField()->SetValue(3);
    root->ChildField()->SetValue(interval);
    EXPECT_THROW(writer.Write(*root), Error);
}

TEST(ProtoNodes, RegisterProtosReachesEveryNodeBelowOnceInWritingOrder) {
    // root: Group { children [ a, Transform { children [ b, a ] }, inner ] }, inner holds c and
    // itself (a cycle), d hangs below an SFNode field.
    auto make = [] {
        auto p = std::make_shared<test_Probe>();
        p->SetSourceFile("probe.wrl");
        return p;
    };
    auto a = make(), b = make(), c = make(), d = make();
    auto root = std::make_shared<Group>();
    auto middle = std::make_shared<Transform>();
    auto inner = std::make_shared<Group>();
    auto shape = std::make_shared<Shape>();
    middle->ChildrenField()->Add(b);
    middle->ChildrenField()->Add(a);
    inner->ChildrenField()->Add(c);
    inner->ChildrenField()->Add(inner);
    root->ChildrenField()->Add(a);
    root->ChildrenField()->Add(middle);
    root->ChildrenField()->Add(inner);
    root->ChildrenField()->Add(shape);
    shape->GeometryField()->SetValue(d);

    VRMLStringTraverser writer;
    ITraversable& traversable = *root;
    traversable.RegisterProtos(writer);
    for (const auto& p : {a, b, c, d}) EXPECT_EQ(p->registered, 1);
    EXPECT_LT(a->order, b->order);
    EXPECT_LT(b->order, c->order);
    EXPECT_LT(c->order, d->order);

    // A field passes the request to the nodes it holds; a field of another type holds none.
    ITraversable& children = *middle->ChildrenField();
    children.RegisterProtos(writer);
    EXPECT_EQ(a->registered, 2);
    EXPECT_EQ(b->registered, 2);
    EXPECT_EQ(c->registered, 1);
    ITraversable& geometry = *shape->GeometryField();
    geometry.RegisterProtos(writer);
    EXPECT_EQ(d->registered, 2);
    ITraversable& translation = *middle->TranslationField();
    translation.RegisterProtos(writer);

    // The writer's own walk registers each node once per world.
    inner->ChildrenField()->RemoveNode(inner);
    const std::string world = World(*root);
    for (const auto& p : {a, b, c, d}) EXPECT_EQ(p->registered, p == c ? 2 : 3);
    EXPECT_EQ(std::count(world.begin(), world.end(), '#'), 2) << "header and one declaration URL";
}
