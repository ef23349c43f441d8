// The column and ribbon series alike: both forms kept in step, the style switch carrying the
// heights across, and refused settings that change nothing.
#include <gtest/gtest.h>

#include <algorithm>
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
};
template <>
struct Kind<RibbonSeriesInfo> {
    using Style = RibbonStyle;
    static constexpr Style kOutlined = RibbonStyle::OUTLINED_RIBBON, kRounded = RibbonStyle::ROUNDED_RIBBON;
    static constexpr const char* kSizeMessage = "Invalid series thickness, must be greater than 0";
    static void SetSize(RibbonSeriesInfo& s, float v) { s.SetThickness(v); }
    static float Size(const RibbonSeriesInfo& s) { return s.Thickness(); }
    static float RoundedSize(const RibbonSeriesInfo& s) { return s.RoundedNode()->ThicknessField()->Value(); }
};

template <class S>
class StyledSeriesTest : public ::testing::Test {
protected:
    using Traits = Kind<S>;
    void SetUp() override { TestFactory(); }

    // Whether the content toggle holds node.
    bool Shows(const holvane::NodePtr& node) const {
        const auto& shown =
            std::static_pointer_cast<holvane::qrx_ContentToggle>(series->ContentToggle())->ChildrenField()->Values();
        return std::find(shown.begin(), shown.end(), node) != shown.end();
    }
    // Both forms carry what the series reports.
    void ExpectInStep() const {
        EXPECT_EQ(series->RoundedNode()->DepthField()->Value(), series->Depth());
        EXPECT_EQ(series->RoundedNode()->XSpacingField()->Value(), series->Spacing());
        EXPECT_EQ(series->RoundedNode()->XDimensionField()->Value(), series->Count());
        EXPECT_EQ(Traits::RoundedSize(*series), Traits::Size(*series));
    }

    std::shared_ptr<S> series = std::make_shared<S>();
};

using SeriesKinds = ::testing::Types<ColumnSeriesInfo, RibbonSeriesInfo>;
TYPED_TEST_SUITE(StyledSeriesTest, SeriesKinds);

}  // namespace

TYPED_TEST(StyledSeriesTest, SettingsReachBothFormsAndThePopups) {
    auto& s = *this->series;
    s.SetDepth(0.8f);
    s.SetSpacing(1.25f);
    s.SetCount(8);
    TestFixture::Traits::SetSize(s, 0.3f);
    this->ExpectInStep();
    EXPECT_FLOAT_EQ(s.PopupProps()->radius(), 0.32f);
    EXPECT_FLOAT_EQ(s.PopupProps()->Depth(), 0.84f);
    EXPECT_FLOAT_EQ(s.PopupProps()->Spacing(), 1.25f);
    EXPECT_EQ(s.PopupProps()->Count(), 8);
}

TYPED_TEST(StyledSeriesTest, TheStyleSwitchCarriesTheHeightsBothWays) {
    using K = typename TestFixture::Traits;
    auto& s = *this->series;
    EXPECT_EQ(s.Style(), K::kOutlined);
    EXPECT_TRUE(this->Shows(s.OutlinedNode()));
    EXPECT_TRUE(this->Shows(s.PopupProps()->RootNode()));
    s.Height()->Values() = {1.5f, 2, 3.25f};
    s.SetBevelRadius(0.2f);  // kept on the rounded form while the outlined one shows

    s.SetStyle(K::kRounded);
    EXPECT_TRUE(this->Shows(s.RoundedNode()));
    EXPECT_FALSE(this->Shows(s.OutlinedNode()));
    EXPECT_EQ(s.Height(), s.RoundedNode()->HeightField());
    EXPECT_EQ(s.Height()->Values(), (std::vector<float>{1.5f, 2, 3.25f}));
    EXPECT_FLOAT_EQ(s.RoundedNode()->BevelRadiusField()->Value(), 0.2f);

    // The same style again, or a value outside the enumeration, changes nothing.
    for (int value : {1, 2, -1}) s.SetStyle(static_cast<typename K::Style>(value));
    EXPECT_EQ(s.Style(), K::kRounded);
    EXPECT_TRUE(this->Shows(s.RoundedNode()));

    s.Height()->Add(4);
    s.SetStyle(K::kOutlined);
    EXPECT_TRUE(this->Shows(s.OutlinedNode()));
    EXPECT_FALSE(this->Shows(s.RoundedNode()));
    EXPECT_EQ(s.Height()->Values(), (std::vector<float>{1.5f, 2, 3.25f, 4}));
}

TYPED_TEST(StyledSeriesTest, BadSettingsAreRefusedAndChangeNothing) {
    using K = typename TestFixture::Traits;
    auto& s = *this->series;
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { s.SetDepth(0); }, "Invalid series depth, must be greater than 0"},
        {[&] { s.SetDepth(std::nanf("")); }, "Invalid series depth, must be greater than 0"},
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
    EXPECT_FLOAT_EQ(s.PopupProps()->radius(), 0.5f);
    this->ExpectInStep();
}
