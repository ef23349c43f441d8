#include "atrium/scaler.hpp"

#include <cmath>
#include <limits>

#include "holvane/error.hpp"

namespace atrium {
namespace {

[[noreturn]] void FailOverflow() {
    throw holvane::Error(holvane::kOverflow,
                         "Overflow: the scaled value does not fit a single float");
}

}  // namespace

float AtriumScaler::ScaledValue(float value) const {
    const double span = static_cast<double>(fromMax_) - static_cast<double>(fromMin_);
    if (span == 0.0) {
        throw holvane::Error(holvane::kDivisionByZero,
                             "Division by zero: FromMax equals FromMin");
    }
    const double quotient = (static_cast<double>(value) - static_cast<double>(fromMin_)) / span;
    if (!std::isfinite(quotient) ||
        std::fabs(quotient) > static_cast<double>(std::numeric_limits<float>::max())) {
        FailOverflow();
    }
    const float q = static_cast<float>(quotient);

    // Each step is rounded to single on its own; the volatile stores keep the compiler from
    // fusing the product and the sum into one multiply-add, which would round only once.
    volatile float range = toMax_ - toMin_;
    volatile float product = range * q;
    const float result = toMin_ + product;
    if (!std::isfinite(range) || !std::isfinite(product) || !std::isfinite(result)) {
        FailOverflow();
    }
    return result;
}

}  // namespace atrium
