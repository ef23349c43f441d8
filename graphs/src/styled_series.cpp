#include "atrium/styled_series.hpp"

#include "atrium/proto_path.hpp"
#include "holvane/graph/series_protos.hpp"

namespace atrium {
namespace {

// A column proto lists its appearances, a ribbon proto holds one.
void Attach(holvane::MFNode& field, const std::shared_ptr<holvane::Appearance>& appearance) { field.Add(appearance); }
void Attach(holvane::SFNode& field, const std::shared_ptr<holvane::Appearance>& appearance) {
    field.SetValue(appearance);
}

}  // namespace

template <class Outlined, class Rounded>
StyledSeries<Outlined, Rounded>::StyledSeries()
    : popups_(std::make_shared<SeriesPopupInfo>()),
      root_(MakeGraphNode<holvane::Transform>()),
      outlined_(MakeGraphNode<Outlined>()),
      rounded_(MakeGraphNode<Rounded>()),
      appearance_(MakeGraphNode<holvane::Appearance>()),
      material_(MakeGraphNode<holvane::Material>()),
      toggle_(MakeUINode<holvane::qrx_ContentToggle>()) {
    toggle_->ContentsExistField()->SetValue(true);
    appearance_->MaterialField()->SetValue(material_);
    ForBoth([this](auto& proto) { Attach(*proto.AppearanceField(), appearance_); });
    root_->ChildrenField()->Add(toggle_);
    toggle_->ChildrenField()->Add(outlined_);
    toggle_->ChildrenField()->Add(popups_->RootNode());
}

template <class Outlined, class Rounded>
std::shared_ptr<holvane::MFFloat> StyledSeries<Outlined, Rounded>::Height() const {
    return rounded_shown_ ? rounded_->HeightField() : outlined_->HeightField();
}

template <class Outlined, class Rounded>
void StyledSeries<Outlined, Rounded>::SetDepth(float value) {
    SetOnBoth(value, "Invalid series depth, must be greater than 0", [](auto& proto) { return proto.DepthField(); });
    popups_->SetRadius(0.4f * value);
    popups_->SetDepth(1.05f * value);
}

template <class Outlined, class Rounded>
void StyledSeries<Outlined, Rounded>::SetBevelRadius(float value) {
    if (!(value > 0)) holvane::Fail("Invalid bevel radius, must be greater than 0");
    rounded_->BevelRadiusField()->SetValue(value);
}

template <class Outlined, class Rounded>
void StyledSeries<Outlined, Rounded>::SetSpacing(float value) {
    SetOnBoth(value, "Invalid spacing, must be greater than 0", [](auto& proto) { return proto.XSpacingField(); });
    popups_->SetSpacing(value);
}

template <class Outlined, class Rounded>
std::int16_t StyledSeries<Outlined, Rounded>::Count() const {
    return static_cast<std::int16_t>(outlined_->XDimensionField()->Value());
}

template <class Outlined, class Rounded>
void StyledSeries<Outlined, Rounded>::SetCount(std::int16_t value) {
    if (value < 1) holvane::Fail("Invalid count, must be greater than 0");
    ForBoth([value](auto& proto) { proto.XDimensionField()->SetValue(value); });
    popups_->SetCount(value);
}

template <class Outlined, class Rounded>
void StyledSeries<Outlined, Rounded>::ShowRounded(bool rounded) {
    if (rounded == rounded_shown_) return;
    const std::shared_ptr<holvane::Node> shown = rounded ? std::shared_ptr<holvane::Node>(outlined_) : rounded_;
    const std::shared_ptr<holvane::Node> next = rounded ? std::shared_ptr<holvane::Node>(rounded_) : outlined_;
    auto heights = Height();
    toggle_->ChildrenField()->RemoveNode(shown);
    toggle_->ChildrenField()->Add(next);
    rounded_shown_ = rounded;
    Height()->CopyFrom(*heights);
}

template class StyledSeries<holvane::graph::qrx_OutlinedColumnSeries, holvane::graph::qrx_RoundedColumnSeries>;
template class StyledSeries<holvane::graph::qrx_OutlinedRibbonSeries, holvane::graph::qrx_RoundedRibbonSeries>;

}  // namespace atrium
