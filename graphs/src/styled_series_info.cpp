#include "atrium/styled_series_info.hpp"

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

StyledSeriesInfo::StyledSeriesInfo(Form outlined, Form rounded)
    : popups_(std::make_shared<SeriesPopupInfo>()),
      root_(MakeGraphNode<holvane::Transform>()),
      outlined_(std::move(outlined)),
      rounded_(std::move(rounded)),
      appearance_(MakeGraphNode<holvane::Appearance>()),
      material_(MakeGraphNode<holvane::Material>()),
      toggle_(MakeUINode<holvane::qrx_ContentToggle>()) {
    toggle_->ContentsExistField()->SetValue(true);
    appearance_->MaterialField()->SetValue(material_);
    root_->ChildrenField()->Add(toggle_);
    toggle_->ChildrenField()->Add(outlined_.proto);
    toggle_->ChildrenField()->Add(popups_->RootNode());
}

StyledSeriesInfo::~StyledSeriesInfo() = default;

void StyledSeriesInfo::SetOnBoth(std::shared_ptr<holvane::SFFloat> Form::*member, float value, const char* message) {
    if (!(value > 0)) holvane::Fail(message);
    (outlined_.*member)->SetValue(value);
    (rounded_.*member)->SetValue(value);
}

void StyledSeriesInfo::SetDepth(float value) {
    SetOnBoth(&Form::depth, value, "Invalid series depth, must be greater than 0");
    popups_->SetRadius(0.4f * value);
    popups_->SetDepth(1.05f * value);
}

void StyledSeriesInfo::SetBevelRadius(float value) {
    if (!(value > 0)) holvane::Fail("Invalid bevel radius, must be greater than 0");
    rounded_.bevelRadius->SetValue(value);
}

void StyledSeriesInfo::SetSpacing(float value) {
    SetOnBoth(&Form::xSpacing, value, "Invalid spacing, must be greater than 0");
    popups_->SetSpacing(value);
}

void StyledSeriesInfo::SetCount(std::int16_t value) {
    if (value < 1) holvane::Fail("Invalid count, must be greater than 0");
    outlined_.xDimension->SetValue(value);
    rounded_.xDimension->SetValue(value);
    popups_->SetCount(value);
}

void StyledSeriesInfo::SetSize(float value, const char* message) { SetOnBoth(&Form::size, value, message); }

void StyledSeriesInfo::SetForm(std::int32_t value) {
    if ((value != 0 && value != 1) || (value == 1) == rounded_shown_) return;
    const Form& shown = Shown();
    const Form& next = rounded_shown_ ? outlined_ : rounded_;
    toggle_->ChildrenField()->RemoveNode(shown.proto);
    toggle_->ChildrenField()->Add(next.proto);
    next.height->CopyFrom(*shown.height);
    rounded_shown_ = !rounded_shown_;
}

}  // namespace atrium
