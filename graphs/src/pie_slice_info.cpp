#include "atrium/pie_slice_info.hpp"

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"
#include "scaled.hpp"

namespace atrium {
namespace {

// The full turn the shares are measured against, a hair short of 2 pi: shares adding up to 1
// leave that hair open between the last slice and the first.
constexpr double kFullTurn = 6.28318;
// The drill-down cone's height and radius as shares of the slice radius.
constexpr double kConeHeightShare = 0.1;
constexpr double kConeRadiusShare = 0.04;

// Sets x (or y) of a Transform's translation to d and of its center to -d, so that its
// rotation turns the children about the parent's origin.
void PlaceX(holvane::Transform& t, float d) {
    t.TranslationField()->SetX(d);
    t.CenterField()->SetX(-d);
}
void PlaceY(holvane::Transform& t, float d) {
    t.TranslationField()->SetY(d);
    t.CenterField()->SetY(-d);
}

}  // namespace

PieSliceInfo::PieSliceInfo()
    : root_(MakeCoreNode<holvane::Transform>()),
      inner_(MakeCoreNode<holvane::Transform>()),
      sensor_(MakeCoreNode<holvane::PlaneSensor>()),
      toggle_(MakeUINode<holvane::qrx_ContentToggle>()),
      textToggle_(MakeUINode<holvane::qrx_ContentToggle>()),
      drill_(MakeCoreNode<holvane::Transform>()),
      outlined_(MakeGraphNode<holvane::graph::qrx_OutlinedPieSlice>()),
      rounded_(MakeGraphNode<holvane::graph::qrx_RoundedPieSlice>()),
      ring_(MakeGraphNode<holvane::graph::qrx_RoundedRingSlice>()),
      appearance_(MakeCoreNode<holvane::Appearance>()),
      material_(MakeCoreNode<holvane::Material>()),
      text_(std::make_shared<TextInfo>()),
      drillDown_(std::make_shared<DrillUpInfo>()) {
    text_->SetIsBillboarded(true);
    sensor_->MaxPositionField()->SetValues(100, 0);
    sensor_->MinPositionField()->SetValues(0, 0);
    toggle_->ContentsExistField()->SetValue(true);
    textToggle_->ContentsExistField()->SetValue(true);
    textToggle_->ChildrenField()->Add(text_->RootNode());
    appearance_->MaterialField()->SetValue(material_);
    ForEachProto([this](auto& proto) { proto.AppearanceField()->SetValue(appearance_); });
    static_cast<holvane::Transform&>(*drillDown_->RootNode()).RotationField()->SetValues(0, 0, 1, 1.5708f);

    root_->ChildrenField()->Add(inner_);
    inner_->ChildrenField()->Add(sensor_);
    inner_->ChildrenField()->Add(toggle_);
    FillToggle();
    // The angle and the text's height follow the defaults from the start.
    SetPercentage(percentage_);
    SetHeight(Height());
}

void PieSliceInfo::FillToggle() {
    auto& content = *toggle_->ChildrenField();
    content.Clear();
    switch (style_) {
        case SliceStyle::OUTLINED_SLICE: content.Add(outlined_); break;
        case SliceStyle::ROUNDED_SLICE: content.Add(rounded_); break;
        case SliceStyle::RING_SLICE: content.Add(ring_); break;
    }
    content.Add(textToggle_);
    content.Add(drill_);
}

void PieSliceInfo::SetPercentage(float value) {
    if (!(value >= 0.0f && value <= 1.0f)) holvane::Fail("Invalid slice percentage, must be in the range [0..1]");
    percentage_ = value;
    const float angle = Scaled(value, kFullTurn);
    ForEachProto([angle](auto& proto) { proto.AngleField()->SetValue(angle); });
    inner_->RotationField()->SetValues(0, 1, 0, angle / 2);
    text_->RootTransform()->RotationField()->SetValues(0, 1, 0, -angle / 2);
    drill_->RotationField()->SetValues(0, 1, 0, -angle / 2);
}

float PieSliceInfo::Height() const { return rounded_->HeightField()->Value(); }

void PieSliceInfo::SetHeight(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid slice height, must be greater than 0");
    ForEachProto([value](auto& proto) { proto.HeightField()->SetValue(value); });
    PlaceY(*text_->RootTransform(), Scaled(value, 1.1));
    PlaceY(*drill_, Scaled(value, 0.5));
}

void PieSliceInfo::SetStyle(SliceStyle value) {
    if (value == style_) return;
    if (value != SliceStyle::OUTLINED_SLICE && value != SliceStyle::ROUNDED_SLICE && value != SliceStyle::RING_SLICE)
        return;
    style_ = value;
    FillToggle();
}

void PieSliceInfo::SetUseDrillDown(bool value) {
    if (value == useDrillDown_) return;
    useDrillDown_ = value;
    drill_->ChildrenField()->Clear();
    if (value) drill_->ChildrenField()->Add(drillDown_->RootNode());
}

float PieSliceInfo::Angle() const { return rounded_->AngleField()->Value(); }

float PieSliceInfo::radius() const { return rounded_->RadiusField()->Value(); }

void PieSliceInfo::CheckRadius(float value) {
    // A radius so small that the cone's radius rounds to 0 would fail half-way through.
    if (!(value > 0.0f) || !(Scaled(value, kConeRadiusShare) > 0.0f))
        holvane::Fail("Invalid radius, must be greater than 0");
}

void PieSliceInfo::SetRadius(float value) {
    CheckRadius(value);
    ForEachProto([value](auto& proto) { proto.RadiusField()->SetValue(value); });
    PlaceX(*text_->RootTransform(), value);
    drillDown_->SetConeHeight(Scaled(value, kConeHeightShare));
    drillDown_->SetConeRadius(Scaled(value, kConeRadiusShare));
    PlaceX(*drill_, static_cast<float>(1.05 * value + drillDown_->ConeHeight() / 2.0));
}

float PieSliceInfo::InnerRadius() const { return ring_->InnerRadiusField()->Value(); }

void PieSliceInfo::SetInnerRadius(float value) {
    if (!(value >= 0.0f)) holvane::Fail("Invalid inner radius, must be greater than or equal to 0");
    ring_->InnerRadiusField()->SetValue(value);
}

float PieSliceInfo::BevelRadius() const { return rounded_->BevelRadiusField()->Value(); }

void PieSliceInfo::SetBevelRadius(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid bevel radius, must be greater than 0");
    rounded_->BevelRadiusField()->SetValue(value);
    ring_->BevelRadiusField()->SetValue(value);
}

}  // namespace atrium
