#include "atrium/series_popup_info.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"
#include "expect_error.hpp"

namespace {

using atrium::SeriesPopupInfo;
using atrium::VRMLPopupAlignment;

const std::vector<holvane::NodePtr>& Children(const SeriesPopupInfo& popups) {
    return std::dynamic_pointer_cast<holvane::Transform>(popups.RootNode())->ChildrenField()->Values();
}

// ---- the strip in the scene ----

TEST(SeriesPopupInfo, NewPartAddsAnEmptyTransformAndAWhiteTransparentStrip) {
    atrium::SetProtoPath("p/");
    const SeriesPopupInfo popups;
    atrium::SetProtoPath("");
    EXPECT_FALSE(popups.UsePopups());
    EXPECT_EQ(popups.RootNode()->NodeType(), "Transform");
    EXPECT_TRUE(Children(popups).empty());
    const auto strip = popups.Strip();
    EXPECT_EQ(strip->SourceFile(), "p/HV_GRAPH.wrl");
    EXPECT_EQ(strip->ColorField()->RGBValue(), 0xFFFFFF);
    EXPECT_EQ(strip->TransparencyField()->Value(), 1.0f);
    EXPECT_EQ(popups.Alignment(), VRMLPopupAlignment::VRML_TOP);
}

TEST(SeriesPopupInfo, PopupsOnTwiceHoldOneStripAndOffEmptiesTheRoot) {
    SeriesPopupInfo popups;
    popups.SetUsePopups(true);
    ASSERT_EQ(Children(popups).size(), 1u);
    EXPECT_EQ(Children(popups)[0], popups.Strip());
    popups.SetUsePopups(true);
    EXPECT_EQ(Children(popups).size(), 1u);
    EXPECT_TRUE(popups.UsePopups());
    popups.SetUsePopups(false);
    EXPECT_TRUE(Children(popups).empty());
    EXPECT_FALSE(popups.UsePopups());
    popups.SetUsePopups(true);
    EXPECT_EQ(Children(popups).size(), 1u);
}

// ---- properties ----

TEST(SeriesPopupInfo, AlignmentMapsTheFourStringsAndIgnoresOthers) {
    SeriesPopupInfo popups;
    const auto allignment = popups.Strip()->AllignmentField();
    const std::vector<std::string> names{"LEFT", "RIGHT", "TOP", "BOTTOM"};
    for (int i = 0; i < 4; ++i) {
        popups.SetAlignment(static_cast<VRMLPopupAlignment>(i));
        EXPECT_EQ(allignment->Value(), names[static_cast<std::size_t>(i)]);
        EXPECT_EQ(popups.Alignment(), static_cast<VRMLPopupAlignment>(i));
    }
    popups.SetAlignment(static_cast<VRMLPopupAlignment>(5));
    popups.SetAlignment(static_cast<VRMLPopupAlignment>(-1));
    EXPECT_EQ(allignment->Value(), "BOTTOM");
    allignment->SetValue("bottom");
    EXPECT_EQ(popups.Alignment(), VRMLPopupAlignment::VRML_LEFT);
}

TEST(SeriesPopupInfo, EachPropertyDrivesItsOwnStripField) {
    SeriesPopupInfo popups;
    popups.SetBackgroundColor(0x00FF00);
    popups.SetBorderColor(0xFF0000);
    popups.SetTextHeight(0.3f);
    popups.SetCount(5);
    popups.SetRadius(0.2f);
    popups.SetDepth(0.525f);
    popups.SetSpacing(2.0f);
    const auto strip = popups.Strip();
    EXPECT_EQ(strip->TextColorField()->RGBValue(), 0xFFFFFF);
    EXPECT_EQ(strip->BackgroundColorField()->Value(), (holvane::Rgb{0.0f, 1.0f, 0.0f}));
    EXPECT_EQ(strip->BorderColorField()->Value(), (holvane::Rgb{0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(strip->PopupHeightField()->Value(), 0.3f);
    EXPECT_EQ(strip->XDimensionField()->Value(), 5);
    EXPECT_EQ(strip->RadiusField()->Value(), 0.2f);
    EXPECT_EQ(strip->DepthField()->Value(), 0.525f);
    EXPECT_EQ(strip->XSpacingField()->Value(), 2.0f);
    EXPECT_EQ(popups.Height(), strip->HeightField());
}

TEST(SeriesPopupInfo, InvalidValuesFailWithTheirMessageAndChangeNothing) {
    SeriesPopupInfo popups;
    atrium::ISeriesPopupInfo& geometry = popups;
    ExpectObjectError([&] { popups.SetTextHeight(0.0f); }, "Invalid popup height, must be greater than 0");
    ExpectObjectError([&] { geometry.SetCount(0); }, "Invalid count, must be greater than 0");
    ExpectObjectError([&] { geometry.SetRadius(-1.0f); }, "Invalid radius, must be greater than 0");
    ExpectObjectError([&] { geometry.SetDepth(0.0f); }, "Invalid depth, must be greater than 0");
    ExpectObjectError([&] { geometry.SetSpacing(0.0f); }, "Invalid spacing, must be greater than 0");
    EXPECT_EQ(popups.TextHeight(), 1.0f);
    EXPECT_EQ(geometry.Count(), 2);
    EXPECT_EQ(geometry.radius(), 0.5f);
    EXPECT_EQ(geometry.Depth(), 0.0f);
    EXPECT_EQ(geometry.Spacing(), 1.0f);
    geometry.SetCount(1);  // one marker is enough
    EXPECT_EQ(geometry.Count(), 1);
}

}  // namespace
