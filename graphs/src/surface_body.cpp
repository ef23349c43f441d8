#include "atrium/surface_body.hpp"

#include <string>

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

namespace {

void CheckCount(std::int16_t value, const char* axis) {
    if (value < 2) holvane::Fail(std::string("Invalid ") + axis + " axis surface point count, must be greater than 1");
}

// Values between 0 and 1 are accepted although the message says otherwise.
void CheckSpacing(float value, const char* axis) {
    if (!(value > 0.0f))
        holvane::Fail(std::string("Invalid ") + axis + " axis surface point spacing, must be greater than 1");
}

}  // namespace

SurfaceBody::SurfaceBody()
    : root_(MakeGraphNode<holvane::Transform>()),
      toggle_(MakeUINode<holvane::qrx_ContentToggle>()),
      surface_(MakeGraphNode<holvane::graph::qrx_Surface>()),
      lift_(MakeGraphNode<holvane::Transform>()),
      wireframe_(MakeGraphNode<holvane::graph::qrx_ElevationWireframe>()),
      appearance_(MakeGraphNode<holvane::Appearance>()),
      material_(MakeGraphNode<holvane::Material>()) {
    toggle_->ContentsExistField()->SetValue(true);
    appearance_->MaterialField()->SetValue(material_);
    surface_->AppearanceField()->SetValue(appearance_);
    lift_->TranslationField()->SetValues(0.0f, 0.025f, 0.0f);
    lift_->ChildrenField()->Add(wireframe_);
    toggle_->ChildrenField()->Add(surface_);
    toggle_->ChildrenField()->Add(lift_);
    root_->ChildrenField()->Add(toggle_);
}

std::int32_t SurfaceBody::WireColor() const { return wireframe_->ColorField()->RGBValue(); }
void SurfaceBody::SetWireColor(std::int32_t value) { wireframe_->ColorField()->SetRGBValue(value); }

std::int16_t SurfaceBody::XCount() const { return static_cast<std::int16_t>(surface_->XDimensionField()->Value()); }
std::int16_t SurfaceBody::ZCount() const { return static_cast<std::int16_t>(surface_->ZDimensionField()->Value()); }

void SurfaceBody::SetBodyXCount(std::int16_t value) {
    CheckCount(value, "X");
    surface_->XDimensionField()->SetValue(value);
    wireframe_->XDimensionField()->SetValue(value);
}

void SurfaceBody::SetBodyZCount(std::int16_t value) {
    CheckCount(value, "Z");
    surface_->ZDimensionField()->SetValue(value);
    wireframe_->ZDimensionField()->SetValue(value);
}

void SurfaceBody::SetBodyXSpacing(float value) {
    CheckSpacing(value, "X");
    surface_->XSpacingField()->SetValue(value);
    wireframe_->XSpacingField()->SetValue(value);
}

void SurfaceBody::SetBodyZSpacing(float value) {
    CheckSpacing(value, "Z");
    surface_->ZSpacingField()->SetValue(value);
    wireframe_->ZSpacingField()->SetValue(value);
}

}  // namespace atrium
