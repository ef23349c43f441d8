#include "atrium/drill_down_info.hpp"

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

DrillDownInfo::DrillDownInfo()
    : root_(MakeGraphNode<holvane::Transform>()),
      cones_(MakeGraphNode<holvane::graph::qrx_ConeCollection>()),
      router_(MakeNavNode<holvane::qrx_Router>()) {
    root_->ChildrenField()->Add(cones_);
    root_->ChildrenField()->Add(router_);
    cones_->DefaultColorField()->SetRGBValue(0xA57421);
    cones_->DefaultRotationField()->SetValues(1.0f, 0.0f, 0.0f, 3.14159f);  // cones point down
    LayOutCones();
}

std::shared_ptr<holvane::Node> DrillDownInfo::RootNode() const { return root_; }

std::int32_t DrillDownInfo::ConeColor() const { return cones_->DefaultColorField()->RGBValue(); }
void DrillDownInfo::SetConeColor(std::int32_t value) { cones_->DefaultColorField()->SetRGBValue(value); }

float DrillDownInfo::ConeRadius() const { return cones_->DefaultBottomRadiusField()->Value(); }
void DrillDownInfo::SetConeRadius(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid radius, must be greater than 0");
    cones_->DefaultBottomRadiusField()->SetValue(value);
}

float DrillDownInfo::ConeHeight() const { return cones_->DefaultHeightField()->Value(); }
void DrillDownInfo::SetConeHeight(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid height, must be greater than 0");
    cones_->DefaultHeightField()->SetValue(value);
}

std::shared_ptr<holvane::MFString> DrillDownInfo::DrillDownURL() const { return router_->UrlField(); }

void DrillDownInfo::SetCount(std::int16_t value) {
    if (value < 1) holvane::Fail("Invalid count, must be greater than 0");
    count_ = value;
    LayOutCones();
}

void DrillDownInfo::SetSpacing(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid spacing, must be greater than 0");
    spacing_ = value;
    LayOutCones();
}

void DrillDownInfo::LayOutCones() {
    auto& locations = cones_->LocationsField()->Values();
    locations.clear();
    locations.reserve(static_cast<std::size_t>(count_));
    for (int i = 0; i < count_; ++i) locations.push_back({spacing_ * static_cast<float>(i), 0.0f, 0.0f});
}

}  // namespace atrium
