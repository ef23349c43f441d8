#include "atrium/pie_spin_axis_info.hpp"

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

PieSpinAxisInfo::PieSpinAxisInfo()
    : root_(MakeCoreNode<holvane::Transform>()),
      shape_(MakeCoreNode<holvane::Shape>()),
      appearance_(MakeCoreNode<holvane::Appearance>()),
      material_(MakeCoreNode<holvane::Material>()),
      cylinder_(MakeCoreNode<holvane::Cylinder>()),
      sensor_(MakeCoreNode<holvane::CylinderSensor>()) {
    material_->DiffuseColorField()->SetRGBValue(0xFFFFFF);
    appearance_->MaterialField()->SetValue(material_);
    shape_->AppearanceField()->SetValue(appearance_);
    cylinder_->RadiusField()->SetValue(0.1f);
    shape_->GeometryField()->SetValue(cylinder_);
}

void PieSpinAxisInfo::SetUseSpinAxis(bool value) {
    if (value == useSpinAxis_) return;
    useSpinAxis_ = value;
    auto& children = *root_->ChildrenField();
    children.Clear();
    if (!value) return;
    children.Add(sensor_);
    children.Add(shape_);
}

float PieSpinAxisInfo::radius() const { return cylinder_->RadiusField()->Value(); }

void PieSpinAxisInfo::SetRadius(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid axis radius, must be greater than 0");
    cylinder_->RadiusField()->SetValue(value);
}

float PieSpinAxisInfo::Height() const { return cylinder_->HeightField()->Value(); }

void PieSpinAxisInfo::SetHeight(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid axis height, must be greater than 0");
    cylinder_->HeightField()->SetValue(value);
}

std::int32_t PieSpinAxisInfo::Color() const { return material_->DiffuseColorField()->RGBValue(); }

void PieSpinAxisInfo::SetColor(std::int32_t value) { material_->DiffuseColorField()->SetRGBValue(value); }

}  // namespace atrium
