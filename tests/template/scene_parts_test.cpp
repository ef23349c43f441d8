#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "atrium/background_info.hpp"
#include "atrium/light_collection.hpp"
#include "atrium/text_info.hpp"
#include "atrium/viewpoint_collection.hpp"
#include "holvane/error.hpp"
#include "holvane/routes.hpp"
#include "holvane/traverser.hpp"
#include "vrml_reader.hpp"

namespace {

using atrium::VRMLFontFamily;
using atrium::VRMLFontStyle;
using Strings = std::vector<std::string>;

std::string WorldText(const atrium::ISceneRoot& part) {
    return holvane::VRMLStringTraverser().Write(*part.RootNode(), holvane::RouteCollection());
}
// The part's root node as written, read back by the independent reader.
std::shared_ptr<vrml_reader::Node> WrittenRoot(const atrium::ISceneRoot& part) {
    return vrml_reader::Read(WorldText(part)).nodes.at(0);
}
// The tokens of a field; none when it was left out at its VRML default.
Strings Tokens(const vrml_reader::Node& node, std::string_view field) {
    const auto* value = node.Find(field);
    return value ? value->tokens : Strings{};
}
std::shared_ptr<holvane::FontStyle> FontStyleOf(const atrium::TextInfo& info) {
    const auto shape = std::dynamic_pointer_cast<holvane::Shape>(info.RootTransform()->ChildrenField()->Get(1));
    const auto text = std::dynamic_pointer_cast<holvane::Text>(shape->GeometryField()->Value());
    return std::dynamic_pointer_cast<holvane::FontStyle>(text->FontStyleField()->Value());
}

TEST(TextInfo, FreshTextWritesEmptyStringSerifMiddleAndWhite) {
    const atrium::TextInfo info;
    const auto root = WrittenRoot(info);
    EXPECT_EQ(root->type, "Transform");
    const auto& shape = *root->At("children").nodes.at(0);
    const auto& text = *shape.At("geometry").nodes.at(0);
    EXPECT_EQ(text.type, "Text");
    EXPECT_TRUE(Tokens(text, "string").empty());
    const auto& fontStyle = *text.At("fontStyle").nodes.at(0);
    const Strings family = Tokens(fontStyle, "family");  // exactly one "SERIF", or the default
    EXPECT_TRUE(family.empty() || family == Strings{"SERIF"});
    EXPECT_EQ(Tokens(fontStyle, "justify"), Strings{"MIDDLE"});
    const auto& material = *shape.At("appearance").nodes.at(0)->At("material").nodes.at(0);
    EXPECT_EQ(Tokens(material, "diffuseColor"), (Strings{"1", "1", "1"}));
}

TEST(TextInfo, TextIsTrimmedOfSpacesAndReplacesTheFirstEntry) {
    atrium::TextInfo info;
    info.SetText("  Sales  ");
    EXPECT_EQ(info.Text(), "Sales");
    info.SetText("\tQ3 ");  // only spaces are trimmed
    const auto root = WrittenRoot(info);
    const auto& text = *root->At("children").nodes.at(0)->At("geometry").nodes.at(0);
    EXPECT_EQ(Tokens(text, "string"), Strings{"\tQ3"});
}

TEST(TextInfo, FontAndStyleIgnoreUnknownValuesAndReadUnknownNamesAsZero) {
    atrium::TextInfo info;
    info.SetTextFont(VRMLFontFamily::VRML_TYPEWRITER);
    info.SetTextStyle(VRMLFontStyle::VRML_BOLD);
    info.SetTextFont(static_cast<VRMLFontFamily>(3));
    info.SetTextFont(static_cast<VRMLFontFamily>(-1));
    info.SetTextStyle(static_cast<VRMLFontStyle>(2));
    const auto fontStyle = FontStyleOf(info);
    EXPECT_EQ(fontStyle->FamilyField()->Values(), Strings{"TYPEWRITER"});
    EXPECT_EQ(fontStyle->StyleField()->Value(), "BOLD");
    EXPECT_EQ(info.TextFont(), VRMLFontFamily::VRML_TYPEWRITER);
    EXPECT_EQ(info.TextStyle(), VRMLFontStyle::VRML_BOLD);

    fontStyle->FamilyField()->Set(1, "sans");  // names compare exactly
    fontStyle->StyleField()->SetValue("BOLDITALIC");
    EXPECT_EQ(info.TextFont(), VRMLFontFamily::VRML_SERIF);
    EXPECT_EQ(info.TextStyle(), VRMLFontStyle::VRML_PLAIN);
    fontStyle->FamilyField()->Clear();
    EXPECT_EQ(info.TextFont(), VRMLFontFamily::VRML_SERIF);
    info.SetTextFont(VRMLFontFamily::VRML_SANS);  // an empty family gets its first entry
    EXPECT_EQ(fontStyle->FamilyField()->Values(), Strings{"SANS"});
}

TEST(TextInfo, HeightMustBeGreaterThanZero) {
    atrium::TextInfo info;
    info.SetTextHeight(0.5f);
    for (float bad : {0.0f, -2.0f, std::numeric_limits<float>::quiet_NaN()}) {
        try {
            info.SetTextHeight(bad);
            ADD_FAILURE() << bad << " accepted";
        } catch (const holvane::Error& e) {
            EXPECT_EQ(e.number(), holvane::kObjectError);
            EXPECT_EQ(e.description(), "Invalid Text height, must be greater than 0");
        }
    }
    EXPECT_EQ(FontStyleOf(info)->SizeField()->Value(), 0.5f);
}

TEST(TextInfo, BillboardWrapsTheSameShapeAndUnwraps) {
    atrium::TextInfo info;
    const auto children = info.RootTransform()->ChildrenField();
    const auto shape = children->Get(1);
    info.SetIsBillboarded(true);
    info.SetIsBillboarded(true);  // setting the current value changes nothing
    ASSERT_EQ(children->Count(), 1);
    const auto billboard = std::dynamic_pointer_cast<holvane::Billboard>(children->Get(1));
    ASSERT_NE(billboard, nullptr);
    EXPECT_EQ(billboard->ChildrenField()->Values(), std::vector<holvane::NodePtr>{shape});

    info.SetIsBillboarded(false);
    EXPECT_EQ(children->Values(), std::vector<holvane::NodePtr>{shape});
    EXPECT_EQ(billboard->ChildrenField()->Count(), 0);
}

TEST(BackgroundInfo, PlainColourAndFadeFollowTheChosenColour) {
    atrium::BackgroundInfo info;
    const auto sky = [&] { return Tokens(*WrittenRoot(info), "skyColor"); };
    const auto angles = [&] { return Tokens(*WrittenRoot(info), "skyAngle"); };
    EXPECT_TRUE(sky().empty() || sky() == (Strings{"0", "0", "0"}));  // black, the VRML default

    info.SetBackgroundColor(0xFF);
    EXPECT_EQ(sky(), (Strings{"1", "0", "0"}));
    info.SetUseBackgroundColorFade(true);
    info.SetUseBackgroundColorFade(true);  // no second fade appended
    EXPECT_EQ(sky(), (Strings{"0", "0", "0", "1", "0", "0", "1", "1", "1"}));
    EXPECT_EQ(angles(), (Strings{"2", "3"}));

    info.SetBackgroundColor(0xFF0000);  // blue replaces the middle colour only
    EXPECT_EQ(sky(), (Strings{"0", "0", "0", "0", "0", "1", "1", "1", "1"}));
    EXPECT_EQ(info.BackgroundColor(), 0xFF0000);

    info.SetBackgroundColor(0xFF);
    info.SetUseBackgroundColorFade(false);
    EXPECT_EQ(sky(), (Strings{"1", "0", "0"}));
    EXPECT_TRUE(angles().empty());
}

TEST(ViewpointCollection, ViewpointsKeepTheOrderTheyWereAddedIn) {
    atrium::ViewpointCollection viewpoints;
    for (const char* description : {"Front", "Side", "Top"}) {
        viewpoints.AddViewpoint()->DescriptionField()->SetValue(description);
    }
    EXPECT_EQ(viewpoints.Count(), 3);
    EXPECT_EQ(viewpoints.GetViewpoint(2)->DescriptionField()->Value(), "Side");
    Strings written;
    const auto group = WrittenRoot(viewpoints);
    for (const auto& node : group->At("children").nodes) {
        written.push_back(node->At("description").tokens.at(0));
    }
    EXPECT_EQ(written, (Strings{"Front", "Side", "Top"}));

    viewpoints.ClearViewpoints();
    EXPECT_EQ(viewpoints.Count(), 0);
    EXPECT_THROW(viewpoints.GetViewpoint(1), holvane::Error);
}

TEST(LightCollection, LightsFollowTheNavigationInfoAndHeadlightFalseIsWritten) {
    atrium::LightCollection lights;
    EXPECT_TRUE(lights.UseHeadlight());
    lights.AddLightSource()->LocationField()->SetValues(0, 5, 5);
    lights.AddLightSource()->IntensityField()->SetValue(0.5f);
    EXPECT_EQ(lights.GetLightSource(2)->IntensityField()->Value(), 0.5f);
    lights.SetUseHeadlight(false);
    EXPECT_NE(WorldText(lights).find("headlight FALSE"), std::string::npos);

    const auto root = WrittenRoot(lights);
    const auto& children = root->At("children").nodes;
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0]->type, "NavigationInfo");
    EXPECT_EQ(children[1]->type, "Group");
    const auto& written = children[1]->At("children").nodes;
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(Tokens(*written[0], "location"), (Strings{"0", "5", "5"}));

    lights.ClearLightSources();
    EXPECT_EQ(lights.Count(), 0);
    EXPECT_EQ(WrittenRoot(lights)->At("children").nodes.size(), 2u);  // the NavigationInfo stays
}

}  // namespace
