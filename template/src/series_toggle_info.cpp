#include "atrium/series_toggle_info.hpp"

#include <limits>
#include <string>

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

SeriesToggleInfo::SeriesToggleInfo() : root_(MakeCoreNode<holvane::Transform>()) { ClearCheckBoxes(); }

std::shared_ptr<holvane::qrx_CheckBox> SeriesToggleInfo::Get1CheckBox(std::int16_t index) const {
    if (index < 1 || index > Count()) holvane::Fail("Invalid index into the list of check boxes");
    return boxes_[static_cast<std::size_t>(index - 1)];
}

void SeriesToggleInfo::AddCheckBox() {
    if (boxes_.size() >= static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        throw holvane::Error(holvane::kOverflow, "Overflow: a check-box column holds at most 32767 boxes");
    const auto number = static_cast<std::int16_t>(boxes_.size() + 1);

    auto box = MakeUINode<holvane::qrx_CheckBox>();
    box->SizeField()->SetValue(height_);
    box->ValueField()->SetValue(true);
    box->SetDEFName("CHECK_BOX_" + std::to_string(number));

    auto holder = MakeCoreNode<holvane::Transform>();
    holder->ChildrenField()->Add(box);
    root_->ChildrenField()->Add(holder);
    boxes_.push_back(std::move(box));
    holders_.push_back(std::move(holder));
    LayOut();
}

void SeriesToggleInfo::SetSpacing(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid spacing, must be greater than 0");
    spacing_ = value;
    LayOut();
}

void SeriesToggleInfo::SetHeight(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid height, must be greater than 0");
    height_ = value;
    for (const auto& box : boxes_) box->SizeField()->SetValue(value);
    LayOut();
}

void SeriesToggleInfo::ClearCheckBoxes() {
    boxes_.clear();
    holders_.clear();
    root_->ChildrenField()->Clear();
}

void SeriesToggleInfo::LayOut() {
    if (deferred_ > 0) return;
    const double step = static_cast<double>(height_) + static_cast<double>(spacing_);
    const std::size_t count = holders_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const double rowsBelow = static_cast<double>(count - 1 - i);
        holders_[i]->TranslationField()->SetY(static_cast<float>(rowsBelow * step));
    }
}

}  // namespace atrium
