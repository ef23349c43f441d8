// Input a hostile or careless caller can hand the core library: trees that hold themselves or
// nest very deep, names and strings that would break a world, and arguments outside their
// range. Each is refused with the library's error or written so that the world stays valid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expect_error.hpp"
#include "holvane/holvane.hpp"
#include "holvane/vrml_text.hpp"
#include "vrml_reader.hpp"

using namespace holvane;

namespace {

std::string World(Node& root, bool breaks = true) {
    VRMLStringTraverser writer;
    writer.SetIncludeLineBreaks(breaks);
    return writer.Write(root, RouteCollection());
}

// A chain of `depth` Transforms, each the only child of the one above.
std::shared_ptr<Transform> Chain(std::size_t depth) {
    auto root = std::make_shared<Transform>();
    auto* last = root.get();
    for (std::size_t i = 1; i < depth; ++i) {
        auto child = std::make_shared<Transform>();
        last->ChildrenField()->Add(child);
        last = child.get();
    }
    return root;
}

}  // namespace

TEST(BadInput, ACycleIsRefusedNamingTheNodeAndNothingIsWritten) {
    auto group = std::make_shared<Group>();
    auto transform = std::make_shared<Transform>();
    group->ChildrenField()->Add(transform);
    transform->ChildrenField()->Add(group);  // the group holds itself through the transform
    auto shape = std::make_shared<Shape>();
    auto app = std::make_shared<Appearance>();
    shape->AppearanceField()->SetValue(app);
    auto self = std::make_shared<Anchor>();
    self->ChildrenField()->Add(self);
    struct Case {
        std::shared_ptr<Node> root;
        std::string message;
    };
    const Case cases[] = {
        {group, "Cannot write Group: the node is its own descendant (Transform holds it again)"},
        {self, "Cannot write Anchor: the node is its own descendant (Anchor holds it again)"},
    };
    for (const Case& c : cases) {
        ExpectError([&] { World(*c.root); }, kInvalidArgument, c.message);
        ExpectError([&] { VRMLStringTraverser().WriteFragment(*c.root); }, kInvalidArgument, c.message);
    }
    // A node held twice without a cycle is no cycle: written once, then used.
    group->ChildrenField()->Clear();
    group->ChildrenField()->Add(shape);
    group->ChildrenField()->Add(shape);
    EXPECT_NE(World(*group).find("USE Shape_1"), std::string::npos);
    transform->ChildrenField()->Clear();  // break the cycles so the nodes are released
    self->ChildrenField()->Clear();
}

TEST(BadInput, DeepTreesAreWrittenUpToTheLimitAndRefusedBeyondWithoutCrashing) {
    auto fits = Chain(Traverser::kMaxNestingDepth);
    std::string text = World(*fits, false);
    std::size_t written = 0;
    for (auto at = text.find("Transform {"); at != std::string::npos; at = text.find("Transform {", at + 1)) ++written;
    EXPECT_EQ(written, Traverser::kMaxNestingDepth);
    auto deeper = Chain(Traverser::kMaxNestingDepth + 1);
    const std::string message = "Overflow: cannot write Transform: nodes are nested more than 1000 deep";
    ExpectError([&] { World(*deeper); }, kOverflow, message);
    ExpectError([&] { VRMLStringTraverser().WriteFragment(*deeper); }, kOverflow, message);
    // 100,000 levels: refused, and released again without overflowing the stack.
    auto huge = Chain(100'000);
    ExpectError([&] { World(*huge); }, kOverflow, message);
}

TEST(BadInput, ManySharedPathsAreRegisteredOnce) {
    // Each level holds the next twice: 2^40 paths to the bottom, 40 nodes.
    auto root = std::make_shared<Group>();
    auto* level = root.get();
    for (int i = 0; i < 40; ++i) {
        auto next = std::make_shared<Group>();
        level->ChildrenField()->Add(next);
        level->ChildrenField()->Add(next);
        level = next.get();
    }
    level->ChildrenField()->Add(std::make_shared<qrx_CheckBox>());
    EXPECT_NE(World(*root).find("FOR THE qrx_CheckBox NODE !"), std::string::npos);
}

TEST(BadInput, DefNamesMustBeVrmlIdentifiersWhenSet) {
    const std::string refused[] = {
        " ",  "A B", "say\"hi\"", "A{", "A}", "line\nbreak", std::string("N\0UL", 4), "1ST", "-A", "+A",
        "A.B", "A,B", "A#B", "A'B", "A[", "A\\B", "A:B", "\x7F", "ROUTE", "USE", "DEF", "TRUE", "NULL",
        "field", "eventOut", "\xC3", "\xED\xA0\x80",
    };
    for (const std::string& name : refused) {
        Transform node;
        node.SetDEFName("KEPT");
        ExpectError([&] { node.SetDEFName(name); }, kInvalidArgument);
        EXPECT_EQ(node.DEFName(), "KEPT") << name;
    }
    const std::string accepted[] = {"", "A", "_x1", "A-1+2", "GRÜN", "漢字", "A!@$%^&*()=~`|/<>?;", "Route"};
    for (const std::string& name : accepted) {
        auto node = std::make_shared<Transform>();
        EXPECT_NO_THROW(node->SetDEFName(name)) << name;
        EXPECT_EQ(node->DEFName(), name);
        if (name.empty()) continue;
        Group root;
        root.ChildrenField()->Add(node);
        EXPECT_EQ(vrml_reader::Read(World(root)).defs.count(name), 1u) << name;
    }
}

TEST(BadInput, IllFormedUtf8IsWrittenAsReplacementCharacters) {
    struct Case {
        std::string in, out;
    };
    const std::string r = "\xEF\xBF\xBD";
    const Case cases[] = {
        {"plain \"quoted\" \\ text", "plain \"quoted\" \\ text"},
        {"Grüße ∑ 漢字 😀", "Grüße ∑ 漢字 😀"},
        {"a\xFFz", "a" + r + "z"},                        // a byte that never starts a sequence
        {"a\xC3", "a" + r},                               // a sequence cut off at the end
        {"\xE2\x82z", r + "z"},                           // a cut-off three-byte sequence is one U+FFFD
        {"\xC0\xAF", r + r},                              // overlong form
        {"\xED\xA0\x80", r + r + r},                      // surrogate
        {"\xF4\x90\x80\x80", r + r + r + r},              // above U+10FFFF
        {"\x80\x80\"", r + r + "\""},                     // stray continuation bytes before a quote
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.in), c.in == c.out) << c.in;
        auto text = std::make_shared<Text>();
        text->StringField()->Add(c.in);
        auto anchor = std::make_shared<Anchor>();
        anchor->DescriptionField()->SetValue(c.in);
        anchor->ChildrenField()->Add(text);
        std::string world = World(*anchor);
        EXPECT_TRUE(IsValidUtf8(world)) << c.in;
        auto node = vrml_reader::Read(world).nodes.at(0);
        EXPECT_EQ(node->At("description").tokens.at(0), c.out);
        EXPECT_EQ(node->At("children").nodes.at(0)->At("string").tokens.at(0), c.out);
        EXPECT_EQ(anchor->DescriptionField()->Value(), c.in) << "the field keeps what was set";
    }
}

TEST(BadInput, ArgumentsOutOfRangeRaiseTheLibraryError) {
    Transform node;
    VRMLStringTraverser writer;
    ExpectError([&] { writer.WriteFragment(node, -1); }, kInvalidArgument,
                "Cannot write Transform at nesting depth -1: the depth must be 0 or more");
    ExpectError([&] { writer.WriteFragment(node, -32768); }, kInvalidArgument);
    SFVec3f vector;
    ExpectError([&] { vector.Component(3); }, kIndexOutOfRange);
    ExpectError([&] { vector.SetComponent(99, 1); }, kIndexOutOfRange);
}

TEST(BadInput, StringTextMustEndInAnUnescapedQuote) {
    const std::pair<std::string, std::string> good[] = {
        {R"("a")", "a"}, {R"("a\"")", "a\""}, {R"("a\\")", "a\\"}, {R"("")", ""}, {R"("\\\"")", "\\\""}};
    for (const auto& [text, value] : good) {
        SFString field;
        field.Parse(text);
        EXPECT_EQ(field.Value(), value) << text;
    }
    for (std::string text : {R"("a\")", R"(")", R"("a)", R"("\)", R"("a" "b")", R"(a")"}) {
        SFString field;
        field.SetValue("kept");
        ExpectError([&] { field.Parse(text); }, kInvalidArgument);
        EXPECT_EQ(field.Value(), "kept") << text;
    }
    MFString list;
    ExpectError([&] { list.Parse(R"(["a\"])"); }, kInvalidArgument);
    ExpectError([&] { list.Parse(R"(["a" "b\"])"); }, kInvalidArgument);
}
