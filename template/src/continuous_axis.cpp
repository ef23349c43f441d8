#include "atrium/continuous_axis.hpp"

#include "atrium/number_format.hpp"
#include "holvane/error.hpp"

namespace atrium {

ContinuousAxis::ContinuousAxis() = default;

void ContinuousAxis::SetMin(float value) {
    min_ = value;
    GenerateLabels();
}

void ContinuousAxis::SetMax(float value) {
    max_ = value;
    GenerateLabels();
}

void ContinuousAxis::SetCount(std::int16_t value) {
    count_ = value;
    GenerateLabels();
}

void ContinuousAxis::SetOrder(LabelingOrder value) {
    if (value == order_) return;
    order_ = value;
    GenerateLabels();
}

void ContinuousAxis::GenerateLabels() {
    const int intervals = count_ - 1;
    if (intervals == 0)
        throw holvane::Error(holvane::kDivisionByZero,
                             "Division by zero: a continuous axis with Count 1 has no step between its labels; "
                             "set Count to 2 or more (or 0 for no labels)");
    const float step = static_cast<float>((static_cast<double>(max_) - min_) / intervals);

    auto& labels = *LabelField();
    labels.Clear();
    for (int i = 0; i < count_; ++i) {
        const float offset = static_cast<float>(i) * step;
        const float value = order_ == LabelingOrder::MAX_TO_MIN ? max_ - offset : offset + min_;
        labels.Add(FormatNumber(value, numericFormat_));
    }
}

}  // namespace atrium
