#include "atrium/series_popup_info.hpp"

#include <limits>
#include <string>

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

namespace {

void RequirePositive(float value, const char* message) {
    if (!(value > 0.0f)) holvane::Fail(message);
}

}  // namespace

SeriesPopupInfo::SeriesPopupInfo()
    : root_(MakeGraphNode<holvane::Transform>()), strip_(MakeGraphNode<holvane::graph::qrx_PopupStrip>()) {
    strip_->ColorField()->SetRGBValue(0xFFFFFF);
    strip_->TransparencyField()->SetValue(1.0f);
}

std::shared_ptr<holvane::MFString> SeriesPopupInfo::PopupText() const { return strip_->PopupTextField(); }

VRMLPopupAlignment SeriesPopupInfo::Alignment() const {
    return FromVRMLString<VRMLPopupAlignment>(strip_->AllignmentField()->Value());
}
void SeriesPopupInfo::SetAlignment(VRMLPopupAlignment value) {
    if (!IsValid(value)) return;
    strip_->AllignmentField()->SetValue(std::string(VRMLString(value)));
}

std::int32_t SeriesPopupInfo::TextColor() const { return strip_->TextColorField()->RGBValue(); }
void SeriesPopupInfo::SetTextColor(std::int32_t value) { strip_->TextColorField()->SetRGBValue(value); }
std::int32_t SeriesPopupInfo::BackgroundColor() const { return strip_->BackgroundColorField()->RGBValue(); }
void SeriesPopupInfo::SetBackgroundColor(std::int32_t value) { strip_->BackgroundColorField()->SetRGBValue(value); }
std::int32_t SeriesPopupInfo::BorderColor() const { return strip_->BorderColorField()->RGBValue(); }
void SeriesPopupInfo::SetBorderColor(std::int32_t value) { strip_->BorderColorField()->SetRGBValue(value); }

float SeriesPopupInfo::TextHeight() const { return strip_->PopupHeightField()->Value(); }
void SeriesPopupInfo::SetTextHeight(float value) {
    RequirePositive(value, "Invalid popup height, must be greater than 0");
    strip_->PopupHeightField()->SetValue(value);
}

void SeriesPopupInfo::SetUsePopups(bool value) {
    if (value == usePopups_) return;
    usePopups_ = value;
    root_->ChildrenField()->Clear();
    if (value) root_->ChildrenField()->Add(strip_);
}

std::int16_t SeriesPopupInfo::Count() const {
    const std::int32_t count = strip_->XDimensionField()->Value();
    if (count < std::numeric_limits<std::int16_t>::min() || count > std::numeric_limits<std::int16_t>::max())
        throw holvane::Error(holvane::kOverflow, "Overflow: the pop-up count " + std::to_string(count) +
                                                     " does not fit a 16-bit integer");
    return static_cast<std::int16_t>(count);
}
void SeriesPopupInfo::SetCount(std::int16_t value) {
    if (value < 1) holvane::Fail("Invalid count, must be greater than 0");
    strip_->XDimensionField()->SetValue(value);
}

float SeriesPopupInfo::radius() const { return strip_->RadiusField()->Value(); }
void SeriesPopupInfo::SetRadius(float value) {
    RequirePositive(value, "Invalid radius, must be greater than 0");
    strip_->RadiusField()->SetValue(value);
}

float SeriesPopupInfo::Depth() const { return strip_->DepthField()->Value(); }
void SeriesPopupInfo::SetDepth(float value) {
    RequirePositive(value, "Invalid depth, must be greater than 0");
    strip_->DepthField()->SetValue(value);
}

std::shared_ptr<holvane::MFFloat> SeriesPopupInfo::Height() const { return strip_->HeightField(); }

float SeriesPopupInfo::Spacing() const { return strip_->XSpacingField()->Value(); }
void SeriesPopupInfo::SetSpacing(float value) {
    RequirePositive(value, "Invalid spacing, must be greater than 0");
    strip_->XSpacingField()->SetValue(value);
}

}  // namespace atrium
