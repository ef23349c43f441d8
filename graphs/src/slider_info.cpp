#include "atrium/slider_info.hpp"

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

SliderInfo::SliderInfo()
    : root_(MakeCoreNode<holvane::Transform>()),
      labelHolder_(MakeCoreNode<holvane::Transform>()),
      sliderHolder_(MakeCoreNode<holvane::Transform>()),
      fontStyle_(MakeCoreNode<holvane::FontStyle>()),
      material_(MakeCoreNode<holvane::Material>()),
      slider_(MakeUINode<holvane::qrx_Slider>()) {
    fontStyle_->FamilyField()->Values() = {"SANS"};
    fontStyle_->JustifyField()->Values() = {"BEGIN", "END"};
    material_->DiffuseColorField()->SetRGBValue(0xFFFFFF);
    auto appearance = MakeCoreNode<holvane::Appearance>();
    appearance->MaterialField()->SetValue(material_);
    auto text = MakeCoreNode<holvane::Text>();
    text->FontStyleField()->SetValue(fontStyle_);
    labels_ = text->StringField();
    auto shape = MakeCoreNode<holvane::Shape>();
    shape->GeometryField()->SetValue(text);
    shape->AppearanceField()->SetValue(appearance);
    labelHolder_->ChildrenField()->Add(shape);

    slider_->SetDEFName("FRAME_SLIDER");
    sliderHolder_->ChildrenField()->Add(slider_);
    root_->ChildrenField()->Add(labelHolder_);
    root_->ChildrenField()->Add(sliderHolder_);
}

void SliderInfo::SetLabelHeight(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid label height, must be greater than 0");
    fontStyle_->SizeField()->SetValue(value);
}

void SliderInfo::SetSliderLength(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid slider length, must be greater than 0");
    slider_->LengthField()->SetValue(value);
}

void SliderInfo::SetSliderRadius(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid slider radius, must be greater than 0");
    slider_->RadiusField()->SetValue(value);
}

void SliderInfo::AlignSlider() {
    const double s = LabelHeight();
    const double length = SliderLength();
    const std::size_t k = labels_->size();
    if (k >= 2)
        fontStyle_->SpacingField()->SetValue(static_cast<float>((length - s) / (static_cast<double>(k - 1) * s)));
    const bool left = textAlignment_ == SliderTextAlignment::LEFT_ALIGN_TEXT;
    fontStyle_->JustifyField()->Values().at(0) = left ? "BEGIN" : "END";
    labelHolder_->TranslationField()->SetX(static_cast<float>((left ? 1.2 : -1.2) * SliderRadius()));
    if (orientation_ == SliderAlignment::ZERO_AT_TOP) {
        sliderHolder_->TranslationField()->SetY(static_cast<float>(length));
        sliderHolder_->RotationField()->SetValues(1, 0, 0, 3.14159f);
    } else {
        sliderHolder_->TranslationField()->SetY(0);
        sliderHolder_->RotationField()->SetValues(0, 1, 0, 0);
    }
}

}  // namespace atrium
