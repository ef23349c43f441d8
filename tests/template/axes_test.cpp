#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "atrium/axis_layout.hpp"
#include "holvane/error.hpp"
#include "expect_error.hpp"

namespace {

using atrium::AxisBase;
using atrium::ContinuousAxis;
using atrium::DiscreteAxis;
using atrium::LabelAlignment;
using atrium::LabelingOrder;
using holvane::Vec3f;
using Strings = std::vector<std::string>;

// The nodes of one block, found by walking the axis tree from RootNode as a writer would.
struct Block {
    std::shared_ptr<holvane::Transform> transform;
    std::shared_ptr<holvane::Text> text;
    std::shared_ptr<holvane::FontStyle> style;
    std::shared_ptr<holvane::Material> material;
};

template <class T>
std::shared_ptr<T> As(const holvane::NodePtr& node) {
    auto typed = std::dynamic_pointer_cast<T>(node);
    if (!typed) throw std::runtime_error("unexpected node " + (node ? node->NodeType() : "NULL"));
    return typed;
}

std::shared_ptr<holvane::Transform> RootOf(const AxisBase& axis) { return As<holvane::Transform>(axis.RootNode()); }

Block BlockAt(const AxisBase& axis, int index) {
    Block b{As<holvane::Transform>(RootOf(axis)->ChildrenField()->Get(index)), {}, {}, {}};
    auto shape = As<holvane::Shape>(b.transform->ChildrenField()->Get(1));
    b.text = As<holvane::Text>(shape->GeometryField()->Value());
    b.style = As<holvane::FontStyle>(b.text->FontStyleField()->Value());
    b.material = As<holvane::Material>(As<holvane::Appearance>(shape->AppearanceField()->Value())->MaterialField()->Value());
    return b;
}
Block LabelBlock(const AxisBase& axis) { return BlockAt(axis, 1); }
Block HeaderBlock(const AxisBase& axis) { return BlockAt(axis, 2); }
Strings LabelsOf(const AxisBase& axis) { return LabelBlock(axis).text->StringField()->Values(); }

void FillRows(DiscreteAxis& axis, int n) {
    for (int i = 1; i <= n; ++i) axis.Labels()->Add("Row " + std::to_string(i));
}

// Turns v by an axis-angle rotation (Rodrigues' formula).
Vec3f Rotate(const holvane::AxisAngle& r, const Vec3f& v) {
    const double c = std::cos(r[3]), s = std::sin(r[3]);
    const double dot = r[0] * v[0] + r[1] * v[1] + r[2] * v[2];
    const double cross[3] = {r[1] * v[2] - r[2] * v[1], r[2] * v[0] - r[0] * v[2], r[0] * v[1] - r[1] * v[0]};
    Vec3f out{};
    for (int i = 0; i < 3; ++i) out[i] = static_cast<float>(v[i] * c + cross[i] * s + r[i] * dot * (1 - c));
    return out;
}

void ExpectNear(const Vec3f& actual, const Vec3f& expected) {
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-4) << "component " << i;
}

// ---- Label and header blocks ----------------------------------------------------------------

TEST(AxisBlocks, NewAxisHasTwoWhiteSerifBlocksAndNothingToPlace) {
    DiscreteAxis axis;
    ASSERT_EQ(RootOf(axis)->ChildrenField()->size(), 2u);
    const Block label = LabelBlock(axis), header = HeaderBlock(axis);
    for (const Block* b : {&label, &header}) {
        EXPECT_EQ(b->material->DiffuseColorField()->RGBValue(), 0xFFFFFF);
        EXPECT_EQ(b->style->FamilyField()->Values(), Strings{"SERIF"});
        EXPECT_EQ(b->style->SpacingField()->Value(), 1.0f);  // not computed at creation
    }
    // One string each: the header must not keep the FontStyle's initial "BEGIN" before "MIDDLE".
    EXPECT_EQ(label.style->JustifyField()->Values(), (Strings{"BEGIN", "BEGIN"}));
    EXPECT_EQ(header.style->JustifyField()->Values(), Strings{"MIDDLE"});
    EXPECT_EQ(axis.Labels(), label.text->StringField());
    EXPECT_EQ(axis.LabelCount(), 0);
    EXPECT_EQ(axis.Header(), "");
    EXPECT_EQ(axis.LabelTextGap(), 0.1f);

    axis.AlignHeader();  // no header: nothing moves
    EXPECT_EQ(header.transform->TranslationField()->Value(), (Vec3f{0, 0, 0}));
    EXPECT_EQ(header.style->JustifyField()->Values(), Strings{"MIDDLE"});
}

TEST(AxisBlocks, OnlyAHeaderThatIsNotBlankIsPlaced) {
    DiscreteAxis axis;
    FillRows(axis, 2);
    auto translation = HeaderBlock(axis).transform->TranslationField();
    axis.SetHeader("   ");
    EXPECT_EQ(axis.Header(), "   ");
    axis.AlignHeader();
    EXPECT_EQ(translation->X(), 0.0f);

    axis.SetHeader("Months");
    axis.SetHeader(" Years ");
    EXPECT_EQ(HeaderBlock(axis).text->StringField()->Values(), Strings{" Years "});
    axis.AlignHeader();
    EXPECT_GT(translation->X(), 0.0f);
}

TEST(AxisBlocks, EnumeratedPropertiesIgnoreUnknownValuesAndReadUnknownStringsAsZero) {
    ContinuousAxis axis;
    const Block label = LabelBlock(axis), header = HeaderBlock(axis);
    axis.SetLabelFont(atrium::VRMLFontFamily::VRML_TYPEWRITER);
    axis.SetLabelStyle(atrium::VRMLFontStyle::VRML_BOLD);
    axis.SetHeaderFont(atrium::VRMLFontFamily::VRML_SANS);
    axis.SetAlignment(LabelAlignment::RIGHT_ALIGN);
    EXPECT_EQ(label.style->FamilyField()->Values(), Strings{"TYPEWRITER"});
    EXPECT_EQ(label.style->StyleField()->Value(), "BOLD");
    EXPECT_EQ(label.style->JustifyField()->Values(), (Strings{"END", "BEGIN"}));
    EXPECT_EQ(header.style->FamilyField()->Values(), Strings{"SANS"});
    EXPECT_EQ(header.style->StyleField()->Value(), "PLAIN");

    axis.SetLabelFont(static_cast<atrium::VRMLFontFamily>(3));
    axis.SetAlignment(static_cast<LabelAlignment>(2));
    EXPECT_EQ(axis.LabelFont(), atrium::VRMLFontFamily::VRML_TYPEWRITER);
    EXPECT_EQ(axis.Alignment(), LabelAlignment::RIGHT_ALIGN);
    label.style->FamilyField()->Set(1, "Helvetica");
    label.style->JustifyField()->Set(1, "MIDDLE");
    EXPECT_EQ(axis.LabelFont(), atrium::VRMLFontFamily::VRML_SERIF);
    EXPECT_EQ(axis.Alignment(), LabelAlignment::LEFT_ALIGN);

    axis.SetLabelColor(0x0000FF);
    EXPECT_EQ(label.material->DiffuseColorField()->Value(), (holvane::Rgb{1, 0, 0}));
    EXPECT_EQ(axis.HeaderColor(), 0xFFFFFF);
}

TEST(AxisBlocks, LineSpacingKeepsLabelLinesOneGapApartWhateverTheSize) {
    DiscreteAxis axis;
    auto spacing = LabelBlock(axis).style->SpacingField();
    axis.SetLabelTextGap(2.0f);
    EXPECT_EQ(spacing->Value(), 2.0f);
    axis.SetLabelHeight(0.5f);
    EXPECT_EQ(spacing->Value(), 4.0f);
    axis.SetHeaderHeight(3.0f);  // the header size does not touch the label spacing
    EXPECT_EQ(spacing->Value(), 4.0f);
}

TEST(AxisBlocks, RejectedSizesAndGapsChangeNothing) {
    DiscreteAxis axis;
    axis.SetLabelHeight(0.5f);
    axis.SetLabelTextGap(2.0f);
    for (const float bad : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()}) {
        ExpectError([&] { axis.SetLabelHeight(bad); }, holvane::kObjectError,
                    "Invalid label height, must be greater than 0");
        ExpectError([&] { axis.SetHeaderHeight(bad); }, holvane::kObjectError,
                    "Invalid Header height, must be greater than 0");
        ExpectError([&] { axis.SetLabelTextGap(bad); }, holvane::kObjectError,
                    "Invalid label text gap, must be greater than 0");
    }
    EXPECT_EQ(axis.LabelHeight(), 0.5f);
    EXPECT_EQ(axis.HeaderHeight(), 1.0f);
    EXPECT_EQ(axis.LabelTextGap(), 2.0f);
    EXPECT_EQ(LabelBlock(axis).style->SpacingField()->Value(), 4.0f);
}

TEST(AxisBlocks, ShowAxisDetachesAndRestoresBothBlocksInOrder) {
    DiscreteAxis axis;
    const auto label = LabelBlock(axis).transform, header = HeaderBlock(axis).transform;
    auto children = RootOf(axis)->ChildrenField();
    axis.SetShowAxis(true);
    EXPECT_EQ(children->size(), 2u);
    axis.SetShowAxis(false);
    EXPECT_EQ(children->size(), 0u);
    axis.SetShowAxis(true);
    EXPECT_EQ(children->Values(), (std::vector<holvane::NodePtr>{label, header}));
}

// ---- Width estimate and header placement ----------------------------------------------------

TEST(AxisHeader, WidthEstimateCountsCharactersAndAddsAFixedWidthForAPoint) {
    EXPECT_FLOAT_EQ(atrium::EstimateTextWidth("Row 1", 0.5f), 1.111f);
    EXPECT_FLOAT_EQ(atrium::EstimateTextWidth("12.50", 1.0f), 1.9888f);
    EXPECT_FLOAT_EQ(atrium::EstimateTextWidth("12.50", 2.0f), 3.7664f);  // the 0.2112 is not scaled
    EXPECT_FLOAT_EQ(atrium::EstimateTextWidth("1.2.3", 1.0f), 1.9888f);  // one point counts once
    EXPECT_FLOAT_EQ(atrium::EstimateTextWidth("\xC3\xA4pfel", 1.0f), 5 * 0.4444f);  // 5 characters, 6 bytes
    EXPECT_EQ(atrium::EstimateTextWidth("", 1.0f), 0.0f);
}

TEST(AxisHeader, StandsBesideTheWidestLabelOnTheSideTheLabelsExtendTo) {
    for (const auto alignment : {LabelAlignment::LEFT_ALIGN, LabelAlignment::RIGHT_ALIGN}) {
        DiscreteAxis axis;
        axis.Labels()->Add("A");
        FillRows(axis, 8);
        axis.SetLabelHeight(0.5f);
        axis.SetLabelTextGap(1.0f);
        axis.SetAlignment(alignment);
        axis.SetHeader("Rows");
        const Block header = HeaderBlock(axis);
        header.transform->TranslationField()->SetZ(7.0f);

        axis.AlignHeader();
        axis.AlignHeader();  // again: same place, justify not doubled
        const float sign = alignment == LabelAlignment::LEFT_ALIGN ? 1.0f : -1.0f;
        const auto& t = header.transform->TranslationField()->Value();
        EXPECT_FLOAT_EQ(t[0], sign * 1.2221f);
        EXPECT_FLOAT_EQ(t[1], -4.0f);  // 9 lines 1 apart: the middle is 4 below the first
        EXPECT_EQ(t[2], 7.0f);
        EXPECT_EQ(header.transform->RotationField()->Value(), (holvane::AxisAngle{0, 0, 1, sign * 1.5708f}));
        EXPECT_EQ(header.style->JustifyField()->Values(), (Strings{"MIDDLE", "BEGIN"}));
    }
}

// ---- Discrete and continuous labels ---------------------------------------------------------

TEST(AxisLabels, LabelCountCutsToTheFirstEntriesAndNeverAdds) {
    DiscreteAxis axis;
    FillRows(axis, 8);
    axis.SetLabelCount(3);
    EXPECT_EQ(LabelsOf(axis), (Strings{"Row 1", "Row 2", "Row 3"}));
    axis.SetLabelCount(10);
    EXPECT_EQ(axis.LabelCount(), 3);
    ExpectError([&] { axis.SetLabelCount(-1); }, holvane::kIndexOutOfRange);
    EXPECT_EQ(axis.LabelCount(), 3);
    axis.SetLabelCount(0);
    EXPECT_EQ(axis.LabelCount(), 0);
}

TEST(AxisLabels, ContinuousLabelsRunFromMaxDownOrFromMinUp) {
    ContinuousAxis axis;
    EXPECT_EQ(axis.Order(), LabelingOrder::MAX_TO_MIN);
    EXPECT_TRUE(LabelsOf(axis).empty());
    axis.SetMax(100.0f);
    axis.SetCount(5);
    EXPECT_EQ(LabelsOf(axis), (Strings{"100.00", "75.00", "50.00", "25.00", "0.00"}));
    axis.SetOrder(LabelingOrder::MIN_TO_MAX);
    EXPECT_EQ(LabelsOf(axis), (Strings{"0.00", "25.00", "50.00", "75.00", "100.00"}));
    axis.SetMin(-2000.0f);  // every set regenerates at once
    EXPECT_EQ(LabelsOf(axis), (Strings{"-2,000.00", "-1,475.00", "-950.00", "-425.00", "100.00"}));
    axis.SetCount(0);
    EXPECT_TRUE(LabelsOf(axis).empty());
}

TEST(AxisLabels, FormatChangesWaitForTheNextRegeneration) {
    ContinuousAxis axis;
    axis.SetMax(1.0f);
    axis.SetCount(2);
    axis.SetNumericFormat("0%");
    axis.SetOrder(LabelingOrder::MAX_TO_MIN);  // the current order: nothing regenerates
    EXPECT_EQ(LabelsOf(axis), (Strings{"1.00", "0.00"}));
    axis.SetOrder(LabelingOrder::MIN_TO_MAX);
    EXPECT_EQ(LabelsOf(axis), (Strings{"0%", "100%"}));
}

TEST(AxisLabels, CountOneIsADivisionByZeroThatKeepsTheNewValueAndTheOldLabels) {
    ContinuousAxis axis;
    axis.SetMax(10.0f);
    axis.SetCount(2);
    ExpectError([&] { axis.SetCount(1); }, holvane::kDivisionByZero);
    EXPECT_EQ(axis.Count(), 1);
    EXPECT_EQ(LabelsOf(axis), (Strings{"10.00", "0.00"}));
    ExpectError([&] { axis.SetMax(20.0f); }, holvane::kDivisionByZero);
    EXPECT_EQ(axis.Max(), 20.0f);
    axis.SetCount(3);
    EXPECT_EQ(LabelsOf(axis), (Strings{"20.00", "10.00", "0.00"}));
}

// ---- Placement on the grid ------------------------------------------------------------------

// A 10 x 6 x 4 grid with 5 X cells, 3 Y cells and 2 Z cells; labels 0.5 high.
struct PlacedAxes : ::testing::Test {
    PlacedAxes() {
        grid.SetXAxisCellCount(5);
        grid.SetYAxisCellCount(3);
        grid.SetZAxisCellCount(2);
        grid.SetWidth(10.0f);
        grid.SetHeight(6.0f);
        grid.SetDepth(4.0f);
        for (AxisBase* axis : {static_cast<AxisBase*>(&x), static_cast<AxisBase*>(&y), static_cast<AxisBase*>(&z)})
            axis->SetLabelHeight(0.5f);
    }
    atrium::GridInfo grid;
    DiscreteAxis x, z;
    ContinuousAxis y;
};

TEST_F(PlacedAxes, XAxisHasOneRightAlignedLabelPerCellOutsideTheFrontEdge) {
    FillRows(x, 8);
    x.SetHeader("Categories");
    auto root = RootOf(x);
    root->TranslationField()->SetY(0.3f);  // not the layout's to change
    atrium::LayOutXAxis(grid, x);
    EXPECT_EQ(x.LabelCount(), 5);
    EXPECT_EQ(x.Alignment(), LabelAlignment::RIGHT_ALIGN);
    EXPECT_EQ(x.LabelTextGap(), 2.0f);
    ExpectNear(root->TranslationField()->Value(), {0.75f, 0.3f, 4.08f});
    // Successive lines (local -y) run along +x; right-aligned text extends outwards to +z.
    ExpectNear(Rotate(root->RotationField()->Value(), {0, -1, 0}), {1, 0, 0});
    ExpectNear(Rotate(root->RotationField()->Value(), {-1, 0, 0}), {0, 0, 1});
    // The header is placed from the five labels that are left.
    const auto& t = HeaderBlock(x).transform->TranslationField()->Value();
    EXPECT_FLOAT_EQ(t[0], -1.1f * atrium::EstimateTextWidth("Row 1", 0.5f));
    EXPECT_FLOAT_EQ(t[1], -4.0f);
}

TEST_F(PlacedAxes, YAxisHasOneLabelPerGridLineFromTheTopDown) {
    y.SetMax(300.0f);
    y.SetOrder(LabelingOrder::MIN_TO_MAX);
    atrium::LayOutYAxis(grid, y);
    EXPECT_EQ(y.Count(), 4);
    EXPECT_EQ(LabelsOf(y), (Strings{"300.00", "200.00", "100.00", "0.00"}));
    EXPECT_EQ(y.Alignment(), LabelAlignment::RIGHT_ALIGN);
    EXPECT_EQ(y.LabelTextGap(), 2.0f);
    auto root = RootOf(y);
    ExpectNear(root->TranslationField()->Value(), {-0.2f, 6.25f, 4.08f});
    ExpectNear(Rotate(root->RotationField()->Value(), {0, -1, 0}), {0, -1, 0});
    ExpectNear(Rotate(root->RotationField()->Value(), {1, 0, 0}), {std::cos(0.7854f), 0, -std::sin(0.7854f)});
}

TEST_F(PlacedAxes, ZAxisHasOneLeftAlignedLabelPerCellOutsideTheRightEdge) {
    FillRows(z, 1);  // fewer labels than cells: kept as they are
    atrium::LayOutZAxis(grid, z);
    EXPECT_EQ(z.LabelCount(), 1);
    EXPECT_EQ(z.Alignment(), LabelAlignment::LEFT_ALIGN);
    EXPECT_EQ(z.LabelTextGap(), 2.0f);
    auto root = RootOf(z);
    ExpectNear(root->TranslationField()->Value(), {10.2f, 0.0f, 0.75f});
    ExpectNear(Rotate(root->RotationField()->Value(), {0, -1, 0}), {0, 0, 1});
    ExpectNear(Rotate(root->RotationField()->Value(), {1, 0, 0}), {1, 0, 0});
}

TEST_F(PlacedAxes, LayoutFollowsTheCurrentGrid) {
    FillRows(x, 8);
    atrium::LayOutAxes(grid, x, y, z);
    grid.SetXAxisCellCount(2);
    atrium::LayOutAxes(grid, x, y, z);
    EXPECT_EQ(x.LabelCount(), 2);
    EXPECT_EQ(x.LabelTextGap(), 5.0f);
    EXPECT_FLOAT_EQ(RootOf(x)->TranslationField()->X(), 2.25f);
}

TEST_F(PlacedAxes, TooManyYCellsForTheLabelCountOverflowBeforeAnythingChanges) {
    grid.SetYAxisCellCount(32767);
    y.SetMax(1.0f);
    y.SetCount(2);
    ExpectError([&] { atrium::LayOutYAxis(grid, y); }, holvane::kOverflow);
    EXPECT_EQ(y.Count(), 2);
    EXPECT_EQ(LabelsOf(y).size(), 2u);
}

}  // namespace
