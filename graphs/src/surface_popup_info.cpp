#include "atrium/surface_popup_info.hpp"

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

SurfacePopupInfo::SurfacePopupInfo()
    : root_(MakeGraphNode<holvane::Transform>()), popups_(MakeGraphNode<holvane::graph::qrx_PopupSurface>()) {
    popups_->AllignmentField()->SetValue("TOP");
    popups_->ColorField()->SetRGBValue(0xFFFFFF);
    popups_->TransparencyField()->SetValue(1.0f);
}

std::int32_t SurfacePopupInfo::TextColor() const { return popups_->TextColorField()->RGBValue(); }
void SurfacePopupInfo::SetTextColor(std::int32_t value) { popups_->TextColorField()->SetRGBValue(value); }
std::int32_t SurfacePopupInfo::BackgroundColor() const { return popups_->BackgroundColorField()->RGBValue(); }
void SurfacePopupInfo::SetBackgroundColor(std::int32_t value) { popups_->BackgroundColorField()->SetRGBValue(value); }
std::int32_t SurfacePopupInfo::BorderColor() const { return popups_->BorderColorField()->RGBValue(); }
void SurfacePopupInfo::SetBorderColor(std::int32_t value) { popups_->BorderColorField()->SetRGBValue(value); }

float SurfacePopupInfo::TextHeight() const { return popups_->PopupHeightField()->Value(); }
void SurfacePopupInfo::SetTextHeight(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid popup height, must be greater than 0");
    popups_->PopupHeightField()->SetValue(value);
}

void SurfacePopupInfo::SetUsePopups(bool value) {
    if (value == usePopups_) return;
    usePopups_ = value;
    root_->ChildrenField()->Clear();
    if (value) root_->ChildrenField()->Add(popups_);
}

}  // namespace atrium
