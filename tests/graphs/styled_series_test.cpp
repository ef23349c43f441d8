// The column and ribbon series alike: both forms kept in step, the style switch carrying the
// heights across, and refused settings that change nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "atrium/column_series_info.hpp"
#include "atrium/ribbon_series_info.hpp"
#include "expect_error.hpp"
#include "test_factory.hpp"

using namespace atrium;

namespace {

// What differs between the two series classes: the style values and the size each adds.
template <class S>
struct Kind;
template <>
struct Kind<ColumnSeriesInfo> {
    using Style = ColumnStyle;
    static constexpr Style kOutlined = ColumnStyle::OUTLINED_COLUMN, kRounded = ColumnStyle::ROUNDED_COLUMN;
    static constexpr const char* kSizeMessage = "Invalid series width, must be greater than 0";
    static void SetSize(ColumnSeriesInfo& s, float v) { s.SetWidth(v); }
    static float Size(const ColumnSeriesInfo& s) { return s.Width(); }
    static float RoundedSize(const ColumnSeriesInfo& s) { return s.RoundedNode()->WidthField()->Value(); }
    static std::size_t Appearances(const ColumnSeriesInfo& s) { return s.RoundedNode()->AppearanceField()->size(); }
};
template <>
struct Kind<RibbonSeriesInfo> {
    using Style = RibbonStyle;
    static constexpr Style kOutlined = RibbonStyle::OUTLINED_RIBBON, kRounded = RibbonStyle::ROUNDED_RIBBON;
    static constexpr const char* kSizeMessage = "Invalid series thickness, must be greater than 0";
    static void SetSize(RibbonSeriesInfo& s, float v) { s.SetThickness(v); }
    static float Size(const RibbonSeriesInfo& s) { return s.Thickness(); }
    static float RoundedSize(const RibbonSeriesInfo& s) { return s.RoundedNode()->ThicknessField()->Value(); }
    static std::size_t Appearances(const RibbonSeriesInfo& s) {
        return s.RoundedNode()->AppearanceField()->Value() ? 1 : 0;
    }
};

template <class S>
class StyledSeriesTest : public ::testing::Test {
protected:
    void SetUp() override { TestFactory(); }
    std::shared_ptr<S> series = std::make_shared<S>();
    using Traits = Kind<S>;

    // The toggle's children: the shown proto and the pop-ups' root.
    const std::vector<holvane::NodePtr>& Shown() const {
        return std::static_pointer_cast<holvane::qrx_ContentToggle>(series->ContentToggle())->ChildrenField()->Values();
    }
    bool Shows(const holvane::NodePtr& node) const {
        return std::find(Shown().begin(), Shown().end(), node) != Shown().end();
    }
    // Both protos' depth, spacing and count agree with what the series reports.
    void ExpectInStep() const {
        EXPECT_EQ(series->RoundedNode()->DepthField()->Value(), series->Depth());
        EXPECT_EQ(series->RoundedNode()->XSpacingField()->Value(), series->Spacing());
        EXPECT_EQ(series->RoundedNode()->XDimensionField()->Value(), series->Count());
        EXPECT_EQ(Traits::RoundedSize(*series), Traits::Size(*series));
    }
};

using SeriesKinds = ::testing::Types<ColumnSeriesInfo, RibbonSeriesInfo>;
TYPED_TEST_SUITE(StyledSeriesTest, SeriesKinds);

}  // namespace

TYPED_TEST(StyledSeriesTest, StartsOutlinedWithOneSharedAppearance) {
    auto& s = *this->series;
    EXPECT_EQ(s.Style(), TestFixture::Traits::kOutlined);
    EXPECT_TRUE(this->Shows(s.OutlinedNode()));
    EXPECT_FALSE(this->Shows(s.RoundedNode()));
    EXPECT_EQ(this->Shown().back(), s.PopupProps()->RootNode());
    EXPECT_EQ(s.Height(), s.OutlinedNode()->HeightField());
    EXPECT_EQ(s.Appearance()->MaterialField()->Value(), s.Material());
    EXPECT_EQ(TestFixture::Traits::Appearances(s), 1u);
    EXPECT_FLOAT_EQ(s.Depth(), 0.5f);
    EXPECT_FLOAT_EQ(s.BevelRadius(), 0.1f);
    EXPECT_TRUE(s.ShowInLegend());
}

TYPED_TEST(StyledSeriesTest, SettingsReachBothFormsAndThePopups) {
    auto& s = *this->series;
    s.SetDepth(0.8f);
    s.SetSpacing(1.25f);
    s.SetCount(8);
    TestFixture::Traits::SetSize(s, 0.3f);
    this->ExpectInStep();
    EXPECT_FLOAT_EQ(s.Depth(), 0.8f);
    EXPECT_FLOAT_EQ(s.PopupProps()->radius(), 0.32f);
    EXPECT_FLOAT_EQ(s.PopupProps()->Depth(), 0.84f);
    EXPECT_FLOAT_EQ(s.PopupProps()->Spacing(), 1.25f);
    EXPECT_EQ(s.PopupProps()->Count(), 8);
}

TYPED_TEST(StyledSeriesTest, TheStyleSwitchCarriesTheHeightsBothWays) {
    using K = typename TestFixture::Traits;
    auto& s = *this->series;
    s.Height()->Values() = {1.5f, 2, 3.25f};
    s.SetBevelRadius(0.2f);  // kept on the rounded form while the outlined one shows
    EXPECT_FLOAT_EQ(s.RoundedNode()->BevelRadiusField()->Value(), 0.2f);

    s.SetStyle(K::kRounded);
    EXPECT_EQ(s.Style(), K::kRounded);
    EXPECT_TRUE(this->Shows(s.RoundedNode()));
    EXPECT_FALSE(this->Shows(s.OutlinedNode()));
    EXPECT_EQ(this->Shown().size(), 2u);
    EXPECT_EQ(s.Height(), s.RoundedNode()->HeightField());
    EXPECT_EQ(s.Height()->Values(), (std::vector<float>{1.5f, 2, 3.25f}));

    // The same style again, or a value outside the enumeration, changes nothing.
    s.SetStyle(K::kRounded);
    s.SetStyle(static_cast<typename K::Style>(2));
    s.SetStyle(static_cast<typename K::Style>(-1));
    EXPECT_EQ(s.Style(), K::kRounded);
    EXPECT_EQ(this->Shown().size(), 2u);

    s.Height()->Add(4);
    s.SetStyle(K::kOutlined);
    EXPECT_TRUE(this->Shows(s.OutlinedNode()));
    EXPECT_FALSE(this->Shows(s.RoundedNode()));
    EXPECT_EQ(s.Height()->Values(), (std::vector<float>{1.5f, 2, 3.25f, 4}));
    EXPECT_FLOAT_EQ(s.BevelRadius(), 0.2f);
}

TYPED_TEST(StyledSeriesTest, BadSettingsAreRefusedAndChangeNothing) {
    using K = typename TestFixture::Traits;
    auto& s = *this->series;
    const float nan = std::nanf("");
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { s.SetDepth(0); }, "Invalid series depth, must be greater than 0"},
        {[&] { s.SetDepth(nan); }, "Invalid series depth, must be greater than 0"},
        {[&] { K::SetSize(s, -1); }, K::kSizeMessage},
        {[&] { s.SetBevelRadius(0); }, "Invalid bevel radius, must be greater than 0"},
        {[&] { s.SetCount(0); }, "Invalid count, must be greater than 0"},
        {[&] { s.SetSpacing(-0.5f); }, "Invalid spacing, must be greater than 0"},
    };
    for (const auto& [call, message] : cases) ExpectObjectError(call, message);
    EXPECT_FLOAT_EQ(s.Depth(), 0.5f);
    EXPECT_FLOAT_EQ(K::Size(s), 0.5f);
    EXPECT_FLOAT_EQ(s.BevelRadius(), 0.1f);
    EXPECT_EQ(s.Count(), 2);
    EXPECT_FLOAT_EQ(s.Spacing(), 1);
    EXPECT_FLOAT_EQ(s.PopupProps()->radius(), 0.5f);
    this->ExpectInStep();
}
