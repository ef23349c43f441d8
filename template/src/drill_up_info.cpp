#include "atrium/drill_up_info.hpp"

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

DrillUpInfo::DrillUpInfo()
    : root_(MakeCoreNode<holvane::Transform>()),
      anchor_(MakeCoreNode<holvane::Anchor>()),
      shape_(MakeCoreNode<holvane::Shape>()),
      cone_(MakeCoreNode<holvane::Cone>()),
      appearance_(MakeCoreNode<holvane::Appearance>()),
      material_(MakeCoreNode<holvane::Material>()) {
    root_->ChildrenField()->Add(anchor_);
    anchor_->ChildrenField()->Add(shape_);
    shape_->GeometryField()->SetValue(cone_);
    shape_->AppearanceField()->SetValue(appearance_);
    appearance_->MaterialField()->SetValue(material_);
    cone_->HeightField()->SetValue(1.0f);
    cone_->BottomRadiusField()->SetValue(0.5f);
    material_->DiffuseColorField()->SetRGBValue(0xAB782C);
    material_->ShininessField()->SetValue(0.5f);
}

std::shared_ptr<holvane::Node> DrillUpInfo::RootNode() const { return root_; }

std::int32_t DrillUpInfo::ConeColor() const { return material_->DiffuseColorField()->RGBValue(); }
void DrillUpInfo::SetConeColor(std::int32_t value) { material_->DiffuseColorField()->SetRGBValue(value); }

float DrillUpInfo::ConeRadius() const { return cone_->BottomRadiusField()->Value(); }
void DrillUpInfo::SetConeRadius(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid radius, must be greater than 0");
    cone_->BottomRadiusField()->SetValue(value);
}

float DrillUpInfo::ConeHeight() const { return cone_->HeightField()->Value(); }
void DrillUpInfo::SetConeHeight(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid height, must be greater than 0");
    cone_->HeightField()->SetValue(value);
}

float DrillUpInfo::ConeTransparency() const { return material_->TransparencyField()->Value(); }
void DrillUpInfo::SetConeTransparency(float value) {
    if (!(value >= 0.0f && value <= 1.0f)) holvane::Fail("Invalid transparency, must be in the range [0..1]");
    material_->TransparencyField()->SetValue(value);
}

std::string DrillUpInfo::URL() const {
    const auto& url = anchor_->UrlField()->Values();
    return url.empty() ? std::string() : url.front();
}

void DrillUpInfo::SetURL(std::string value) {
    auto& url = anchor_->UrlField()->Values();
    if (url.empty())
        url.push_back(std::move(value));
    else
        url.front() = std::move(value);
}

std::string DrillUpInfo::Description() const { return anchor_->DescriptionField()->Value(); }
void DrillUpInfo::SetDescription(std::string value) { anchor_->DescriptionField()->SetValue(std::move(value)); }

}  // namespace atrium
