// Fields: every type's text round trip, list operations and their errors, colours, Euler angles.
#include <gtest/gtest.h>

#include <cmath>

#include "holvane/holvane.hpp"
#include "holvane/text_out.hpp"
#include "vrml_reader.hpp"

using namespace holvane;

namespace {

std::string ValueText(const Field& field) {
    TextOut out;
    field.WriteValue(out);
    return out.buffer();
}

template <class F>
std::shared_ptr<F> Make() {
    return std::static_pointer_cast<F>(CoreFactory().CreateField(TypeName(F::kType)));
}

// Turns v by an axis-angle rotation (Rodrigues' formula).
Vec3f Turn(const SFRotation& r, Vec3f v) {
    double x = r.X(), y = r.Y(), z = r.Z(), a = r.Angle(), c = std::cos(a), s = std::sin(a);
    double dot = x * v[0] + y * v[1] + z * v[2];
    double cross[3] = {y * v[2] - z * v[1], z * v[0] - x * v[2], x * v[1] - y * v[0]};
    double axis[3] = {x, y, z};
    Vec3f out;
    for (int i = 0; i < 3; ++i) out[i] = static_cast<float>(v[i] * c + cross[i] * s + axis[i] * dot * (1 - c));
    return out;
}

void ExpectNear(Vec3f actual, Vec3f expected) {
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-4) << "component " << i;
}

}  // namespace

TEST(Fields, EveryTypeWritesTextThatReadsBackAsTheSameValue) {
    const std::pair<std::string_view, std::string_view> samples[] = {
        {"SFBool", "TRUE"},
        {"SFColor", "0.1 0.5 1"},
        {"SFFloat", "-2.75"},
        {"SFInt32", "-2147483648"},
        {"SFRotation", "0 1 0 3.14159"},
        {"SFString", "\"say \\\"hi\\\" \\\\ there\""},
        {"SFTime", "1234567.125"},
        {"SFVec2f", "1.5 -2"},
        {"SFVec3f", "0.1 0.2 0.3"},
        {"MFColor", "[1 0 0, 0 1 0]"},
        {"MFFloat", "[0.1 2 3e-07]"},
        {"MFInt32", "[1 -2 3]"},
        {"MFRotation", "[0 0 1 0, 1 0 0 1.5708]"},
        {"MFString", "[\"a\" \"b c\" \"\\\"\"]"},
        {"MFTime", "[0 1.5]"},
        {"MFVec2f", "[0 0, 1 1]"},
        {"MFVec3f", "[1 2 3, 4 5 6]"},
    };
    CoreFactory factory;
    for (auto [type, text] : samples) {
        SCOPED_TRACE(type);
        auto field = factory.CreateField(type);
        EXPECT_EQ(field->TypeName(), type);
        field->Parse(text);
        auto back = factory.CreateField(type);
        back->Parse(ValueText(*field));
        EXPECT_TRUE(back->Equals(*field)) << ValueText(*field);
        EXPECT_TRUE(field->Clone()->Equals(*field));
    }
    EXPECT_TRUE(factory.CreateField("SFNode")->Equals(*factory.CreateField("SFNode")));
    EXPECT_EQ(factory.CreateField("MFNode")->TypeName(), "MFNode");
}

TEST(Fields, UnknownTypeNamesAndBadTextRaise) {
    CoreFactory factory;
    for (auto name : {"sfbool", "SFImage", "", "SFColor "}) {
        try {
            factory.CreateField(name);
            ADD_FAILURE() << name;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), kInvalidArgument);
            EXPECT_NE(std::string(e.what()).find("Unknown field type"), std::string::npos);
        }
    }
    EXPECT_THROW(Make<SFVec3f>()->Parse("1 2"), Error);
    EXPECT_THROW(Make<SFBool>()->Parse("true"), Error);
    EXPECT_THROW(Make<MFFloat>()->Parse("[1 2"), Error);
    EXPECT_THROW(Make<SFInt32>()->Parse("1.5"), Error);
}

TEST(Fields, ANameIsSetOnce) {
    auto f = Make<SFFloat>();
    f->SetName("radius");
    f->SetName("radius");
    EXPECT_THROW(f->SetName("height"), Error);
    EXPECT_EQ(f->Name(), "radius");
}

TEST(Fields, FloatsAreWrittenInTheShortestTextThatReadsBack) {
    auto f = Make<SFFloat>();
    const std::pair<float, std::string_view> cases[] = {
        {0.1f, "0.1"}, {1.5708f, "1.5708"}, {1.0f, "1"}, {-0.5f, "-0.5"}, {0.00001f, "1e-05"}, {1234.5f, "1234.5"},
        {3.14159265f, "3.1415927"}, {0.001f, "0.001"}};
    for (auto [value, text] : cases) {
        f->SetValue(value);
        EXPECT_EQ(ValueText(*f), text);
    }
}

TEST(Fields, ColoursConvertToAndFromPackedValues) {
    auto c = Make<SFColor>();
    c->SetRGBValue(0x0000FF);
    EXPECT_EQ(ValueText(*c), "1 0 0");
    c->SetRGBValue(16777215);
    EXPECT_EQ(ValueText(*c), "1 1 1");
    c->SetRGBValue(0x123456);
    EXPECT_FLOAT_EQ(c->Red(), 0x56 / 255.0f);
    EXPECT_FLOAT_EQ(c->Blue(), 0x12 / 255.0f);
    EXPECT_EQ(c->RGBValue(), 0x123456);
    c->SetValues(2, -1, 0.5);  // out of range components clamp when packed
    EXPECT_EQ(c->RGBValue(), 0x8000FF);
    auto list = Make<MFColor>();
    list->AddRGB(0x00FF00);
    EXPECT_EQ(list->GetRGB(1), 0x00FF00);
}

TEST(Fields, EulerAnglesTurnAboutXThenYThenZ) {
    auto r = Make<SFRotation>();
    r->SetEulerValues(0, 0, 0);
    EXPECT_EQ(ValueText(*r), "0 0 1 0");

    // A text turned this way reads along +x (its line advance, local -y) and faces up (local +z).
    r->SetEulerValues(-1.5708f, 1.5708f, 0);
    ExpectNear(Turn(*r, {0, -1, 0}), {1, 0, 0});
    ExpectNear(Turn(*r, {0, 0, 1}), {0, 1, 0});

    r->SetEulerValues(0, 0, 0.5f);
    ExpectNear({r->X(), r->Y(), r->Z()}, {0, 0, 1});
    EXPECT_NEAR(r->Angle(), 0.5, 1e-6);

    // Order matters: x first, then y, then z.
    r->SetEulerValues(1.5708f, 0, 1.5708f);
    ExpectNear(Turn(*r, {0, 1, 0}), {0, 0, 1});   // Rx: y → z; Rz leaves z
    ExpectNear(Turn(*r, {1, 0, 0}), {0, 1, 0});   // Rx leaves x; Rz: x → y
    r->SetEulerValues(-0.05f, 0.05f, 0);
    EXPECT_GE(r->Angle(), 0);
    EXPECT_LE(r->Angle(), 3.1416f);
}

TEST(Fields, ListsUseOneBasedIndexes) {
    auto list = Make<MFString>();
    list->SetName("string");
    list->Add("b");
    list->InsertBefore(1, "a");
    list->InsertBefore(3, "d");  // Count + 1 appends
    list->InsertBefore(3, "c");
    EXPECT_EQ(list->Count(), 4);
    EXPECT_EQ(list->Get(1), "a");
    EXPECT_EQ(list->Get(4), "d");
    list->Set(2, "B");
    list->Remove(1);
    EXPECT_EQ(ValueText(*list), "[ \"B\", \"c\", \"d\" ]");
    auto copy = Make<MFString>();
    copy->CopyFrom(*list);
    EXPECT_TRUE(copy->Equals(*list));
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(ValueText(*list), "[]");
    EXPECT_EQ(copy->Count(), 3);
}

TEST(Fields, BadListIndexesRaiseAndChangeNothing) {
    auto list = Make<MFFloat>();
    list->SetName("height");
    list->Add(1);
    for (int bad : {0, -1, 2}) {
        try {
            list->Get(bad);
            ADD_FAILURE() << bad;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), kIndexOutOfRange);
            EXPECT_NE(std::string(e.what()).find("height"), std::string::npos);
        }
        EXPECT_THROW(list->Set(bad, 5), Error);
        EXPECT_THROW(list->Remove(bad), Error);
    }
    EXPECT_THROW(list->InsertBefore(3, 0), Error);
    EXPECT_THROW(list->InsertBefore(0, 0), Error);
    EXPECT_EQ(list->Values(), std::vector<float>{1});
}

TEST(Fields, CountsAbove32767RaiseOverflowWhileTheValuesStay) {
    auto list = Make<MFVec3f>();
    list->Values().assign(32767, Vec3f{1, 2, 3});
    EXPECT_EQ(list->Count(), 32767);
    list->Add({4, 5, 6});
    try {
        list->Count();
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), kOverflow);
    }
    EXPECT_EQ(list->size(), 32768u);
    EXPECT_EQ(list->Values().back(), (Vec3f{4, 5, 6}));
}

TEST(Fields, NodeListsRemoveAGivenNode) {
    auto list = Make<MFNode>();
    auto a = std::make_shared<Group>(), b = std::make_shared<Group>();
    list->Add(a);
    list->Add(b);
    list->Add(a);
    EXPECT_TRUE(list->RemoveNode(a));
    EXPECT_EQ(list->Get(1), b);
    EXPECT_EQ(list->Get(2), a);
    EXPECT_FALSE(list->RemoveNode(std::make_shared<Group>()));
    EXPECT_EQ(list->Count(), 2);
}
