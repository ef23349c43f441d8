// Standard nodes: every declaration table walked through the same checks.
#include <gtest/gtest.h>

#include "holvane/holvane.hpp"
#include "holvane/text_out.hpp"
#include "vrml_reader.hpp"

using namespace holvane;

namespace {

std::vector<std::string_view> StandardNames() {
#define NAME(Class, LIST) #Class,
    return {HOLVANE_STANDARD_NODES(NAME)};
#undef NAME
}

std::string World(const NodePtr& root) {
    RouteCollection routes;
    return VRMLStringTraverser().Write(*root, routes);
}

}  // namespace

TEST(StandardNodes, EveryTableBuildsANodeThatWritesNothingButItsBraces) {
    CoreFactory factory;
    for (auto name : StandardNames()) {
        SCOPED_TRACE(name);
        auto node = factory.CreateNode(name);
        EXPECT_EQ(node->NodeType(), name);
        EXPECT_EQ(node->DEFName(), "");
        EXPECT_EQ(node->Index(), 1);
        EXPECT_EQ(World(node), "#VRML V2.0 utf8\n\n" + std::string(name) + " {\n}\n");
    }
}

TEST(StandardNodes, DefaultsWriteAndReadBackAsDeclared) {
    CoreFactory factory;
    for (auto name : StandardNames()) {
        auto node = factory.CreateNode(name);
        const auto& fields = node->Class().FieldDeclarations();
        ASSERT_EQ(fields.size(), node->Fields().size());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            SCOPED_TRACE(std::string(name) + "." + std::string(fields[i]->name));
            const Field& field = *node->Fields()[i];
            EXPECT_EQ(field.Name(), fields[i]->name);
            EXPECT_EQ(field.Type(), fields[i]->type);
            if (field.Type() == FieldType::SFNode) continue;
            TextOut out;
            field.WriteValue(out);
            auto back = MakeField(field.Type());
            back->Parse(out.buffer());
            auto declared = MakeField(field.Type());
            declared->Parse(fields[i]->initial);
            EXPECT_TRUE(back->Equals(*declared)) << out.buffer();
            EXPECT_FALSE(node->IsWritten(i));
        }
    }
}

TEST(StandardNodes, SomeVrmlDefaultsThatMatter) {
    Transform t;
    EXPECT_EQ(t.RotationField()->Value(), (AxisAngle{0, 0, 1, 0}));
    EXPECT_EQ(t.ScaleField()->Value(), (Vec3f{1, 1, 1}));
    EXPECT_EQ(t.BboxSizeField()->Value(), (Vec3f{-1, -1, -1}));
    Viewpoint v;
    EXPECT_EQ(v.PositionField()->Value(), (Vec3f{0, 0, 10}));
    EXPECT_FLOAT_EQ(v.FieldOfViewField()->Value(), 0.785398f);
    NavigationInfo n;
    EXPECT_EQ(n.TypeField()->Values(), (std::vector<std::string>{"WALK", "ANY"}));
    EXPECT_TRUE(n.HeadlightField()->Value());
    Material m;
    EXPECT_EQ(m.DiffuseColorField()->Value(), (Rgb{0.8f, 0.8f, 0.8f}));
    FontStyle f;
    EXPECT_EQ(f.JustifyField()->Values(), std::vector<std::string>{"BEGIN"});
    EXPECT_EQ(f.StyleField()->Value(), "PLAIN");
    Switch s;
    EXPECT_EQ(s.WhichChoiceField()->Value(), -1);
    Background b;
    EXPECT_EQ(b.SkyColorField()->Values(), (std::vector<Rgb>{{0, 0, 0}}));
    CylinderSensor c;
    EXPECT_FLOAT_EQ(c.DiskAngleField()->Value(), 0.262f);
}

TEST(StandardNodes, AccessorsAndNameLookupReturnTheSameLiveField) {
    Transform t;
    EXPECT_EQ(t.TranslationField(), t.GetField("translation"));
    t.GetField("translation")->Parse("1 2 3");
    EXPECT_EQ(t.TranslationField()->Value(), (Vec3f{1, 2, 3}));
    Text text;
    EXPECT_EQ(text.StringField(), text.GetField("string"));
    try {
        t.GetField("Translation");
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Transform has no field \"Translation\"");
    }
}

TEST(StandardNodes, EventsFollowTheDeclarations) {
    CoreFactory factory;
    for (auto name : StandardNames()) {
        SCOPED_TRACE(name);
        auto node = factory.CreateNode(name);
        for (const Declaration& d : node->Class().Declarations()) {
            std::string n(d.name);
            switch (d.kind) {
                case FieldKind::exposedField:
                    EXPECT_EQ(node->GetEventInType("set_" + n), TypeName(d.type));
                    EXPECT_EQ(node->GetEventInType(n), TypeName(d.type));
                    EXPECT_EQ(node->GetEventOutType(n + "_changed"), TypeName(d.type));
                    EXPECT_EQ(node->GetEventOutType(n), TypeName(d.type));
                    break;
                case FieldKind::field: EXPECT_THROW(node->GetEventOutType(n + "_changed"), Error); break;
                case FieldKind::eventIn: EXPECT_EQ(node->GetEventInType(n), TypeName(d.type)); break;
                case FieldKind::eventOut: EXPECT_EQ(node->GetEventOutType(n), TypeName(d.type)); break;
            }
        }
    }
    TouchSensor touch;
    EXPECT_EQ(touch.GetEventOutType("isOver"), "SFBool");
    EXPECT_THROW(touch.GetEventOutType("IsOver"), Error);
    EXPECT_THROW(touch.GetEventInType("isOver"), Error);
}

TEST(StandardNodes, UnknownNodeNamesRaise) {
    CoreFactory factory;
    for (auto name : {"transform", "qrx_Legend", "Box2", ""}) {
        try {
            factory.CreateNode(name);
            ADD_FAILURE() << name;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Unknown node type \"" + std::string(name) + "\"");
        }
    }
    EXPECT_THROW(factory.CreateTraverser("VRMLTraverser"), Error);
}
