#pragma once
// The frame slider: a qrx_Slider with one label per stop.
#include <cstdint>
#include <memory>

#include "atrium/scatter_enums.hpp"
#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/standard_nodes.hpp"
#include "holvane/ui_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Tree: root Transform -> [label holder, slider holder]. The label holder holds a Shape whose
// Text carries the labels (FontStyle family "SANS", justify "BEGIN" "END"; white Material);
// the slider holder holds the qrx_Slider ("FRAME_SLIDER", SourceFile = proto path + "HV_UI.wrl"),
// whose track runs along +y, beside the label column.
//
// Validation failures raise holvane::Error with number holvane::kObjectError and change nothing.
class SliderInfo final : public ISceneRoot {
public:
    SliderInfo();
    SliderInfo(const SliderInfo&) = delete;
    SliderInfo& operator=(const SliderInfo&) = delete;

    // The root Transform; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    // The same root, typed, for placing the slider.
    const std::shared_ptr<holvane::Transform>& RootTransform() const { return root_; }
    // The labels, one string per stop (the Text's string field).
    const std::shared_ptr<holvane::MFString>& Labels() const { return labels_; }
    // The qrx_Slider.
    const std::shared_ptr<holvane::qrx_Slider>& SliderNode() const { return slider_; }

    // Label height (FontStyle size). Fails unless > 0: "Invalid label height, must be greater than 0".
    float LabelHeight() const { return fontStyle_->SizeField()->Value(); }
    void SetLabelHeight(float value);
    // Label colour, 0x00BBGGRR; white at first.
    std::int32_t LabelColor() const { return material_->DiffuseColorField()->RGBValue(); }
    void SetLabelColor(std::int32_t value) { material_->DiffuseColorField()->SetRGBValue(value); }
    // Track length. Fails unless > 0: "Invalid slider length, must be greater than 0".
    float SliderLength() const { return slider_->LengthField()->Value(); }
    void SetSliderLength(float value);
    // Lowest and highest stop; not checked.
    std::int16_t SliderMin() const { return static_cast<std::int16_t>(slider_->MinimumField()->Value()); }
    void SetSliderMin(std::int16_t value) { slider_->MinimumField()->SetValue(value); }
    std::int16_t SliderMax() const { return static_cast<std::int16_t>(slider_->MaximumField()->Value()); }
    void SetSliderMax(std::int16_t value) { slider_->MaximumField()->SetValue(value); }
    // Knob radius. Fails unless > 0: "Invalid slider radius, must be greater than 0".
    float SliderRadius() const { return slider_->RadiusField()->Value(); }
    void SetSliderRadius(float value);
    // Side of the labels, applied by AlignSlider; LEFT_ALIGN_TEXT at first.
    SliderTextAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(SliderTextAlignment value) { textAlignment_ = value; }
    // End of the minimum, applied by AlignSlider; ZERO_AT_BOTTOM at first.
    SliderAlignment SliderOrientation() const { return orientation_; }
    void SetSliderOrientation(SliderAlignment value) { orientation_ = value; }

    // Spreads the k labels over the track (spacing (L - s) / ((k - 1) s); fewer than two labels
    // keep the spacing), puts them on the TextAlignment side 1.2 radii from the track, and
    // turns the track so that its minimum is at the SliderOrientation end.
    void AlignSlider();

private:
    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::Transform> labelHolder_;
    std::shared_ptr<holvane::Transform> sliderHolder_;
    std::shared_ptr<holvane::FontStyle> fontStyle_;
    std::shared_ptr<holvane::Material> material_;
    std::shared_ptr<holvane::MFString> labels_;
    std::shared_ptr<holvane::qrx_Slider> slider_;
    SliderTextAlignment textAlignment_ = SliderTextAlignment::LEFT_ALIGN_TEXT;
    SliderAlignment orientation_ = SliderAlignment::ZERO_AT_BOTTOM;
};

}  // namespace atrium
ATRIUM_EXPORT_END
