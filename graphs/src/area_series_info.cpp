#include "atrium/area_series_info.hpp"

#include "atrium/proto_path.hpp"

namespace atrium {

AreaSeriesInfo::AreaSeriesInfo()
    : popups_(std::make_shared<SeriesPopupInfo>()),
      root_(MakeGraphNode<holvane::Transform>()),
      toggle_(MakeUINode<holvane::qrx_ContentToggle>()),
      area_(MakeGraphNode<holvane::graph::qrx_OutlinedAreaSeries>()),
      appearance_(MakeGraphNode<holvane::Appearance>()),
      material_(MakeGraphNode<holvane::Material>()) {
    toggle_->ContentsExistField()->SetValue(true);
    appearance_->MaterialField()->SetValue(material_);
    area_->AppearanceField()->SetValue(appearance_);
    root_->ChildrenField()->Add(toggle_);
    toggle_->ChildrenField()->Add(area_);
    toggle_->ChildrenField()->Add(popups_->RootNode());
}

float AreaSeriesInfo::Depth() const { return area_->DepthField()->Value(); }

void AreaSeriesInfo::SetDepth(float value) {
    if (!(value > 0)) holvane::Fail("Invalid series depth, must be greater than 0");
    area_->DepthField()->SetValue(value);
    popups_->SetRadius(0.4f * value);
    popups_->SetDepth(1.05f * value);
}

float AreaSeriesInfo::Spacing() const { return area_->XSpacingField()->Value(); }

void AreaSeriesInfo::SetSpacing(float value) {
    if (!(value > 0)) holvane::Fail("Invalid spacing, must be greater than 0");
    area_->XSpacingField()->SetValue(value);
    popups_->SetSpacing(value);
}

std::int16_t AreaSeriesInfo::Count() const { return static_cast<std::int16_t>(area_->XDimensionField()->Value()); }

void AreaSeriesInfo::SetCount(std::int16_t value) {
    if (value < 1) holvane::Fail("Invalid count, must be greater than 0");
    area_->XDimensionField()->SetValue(value);
    popups_->SetCount(value);
}

}  // namespace atrium
