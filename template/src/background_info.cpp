#include "atrium/background_info.hpp"

#include "atrium/proto_path.hpp"
#include "frm_main.hpp"

namespace atrium {
namespace {

constexpr holvane::Rgb kBlack{0.0f, 0.0f, 0.0f};
constexpr holvane::Rgb kWhite{1.0f, 1.0f, 1.0f};
// Angles from the zenith at which the fade reaches the chosen colour and white.
constexpr float kColorAngle = 2.0f;
constexpr float kWhiteAngle = 3.0f;

}  // namespace

BackgroundInfo::BackgroundInfo()
    : background_(MakeCoreNode<holvane::Background>()),
      color_(std::static_pointer_cast<holvane::SFColor>(
          frmMain::Instance().CoreCtl().Factory()->CreateField("SFColor"))) {
    color_->SetRGBValue(0);
    ApplyMode();
}

std::int32_t BackgroundInfo::BackgroundColor() const { return color_->RGBValue(); }

void BackgroundInfo::SetBackgroundColor(std::int32_t color) {
    color_->SetRGBValue(color);
    background_->SkyColorField()->Set(fade_ ? 2 : 1, color_->Value());
}

void BackgroundInfo::SetUseBackgroundColorFade(bool fade) {
    if (fade == fade_) return;
    fade_ = fade;
    ApplyMode();
}

void BackgroundInfo::ApplyMode() {
    auto skyColor = background_->SkyColorField();
    auto skyAngle = background_->SkyAngleField();
    skyColor->Clear();
    skyAngle->Clear();
    if (fade_) {
        skyColor->Add(kBlack);
        skyColor->Add(color_->Value());
        skyColor->Add(kWhite);
        skyAngle->Add(kColorAngle);
        skyAngle->Add(kWhiteAngle);
    } else {
        skyColor->Add(color_->Value());
    }
}

}  // namespace atrium
