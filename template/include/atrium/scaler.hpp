#pragma once
// A linear value mapper that hosts use to bring data values into scene units.
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Maps values from the range [FromMin, FromMax] linearly onto [ToMin, ToMax].
// A new scaler maps [0, 1] onto [0, 1], so it returns its argument unchanged.
class AtriumScaler {
public:
    float ToMin() const noexcept { return toMin_; }
    void SetToMin(float value) noexcept { toMin_ = value; }
    float ToMax() const noexcept { return toMax_; }
    void SetToMax(float value) noexcept { toMax_ = value; }
    float FromMin() const noexcept { return fromMin_; }
    void SetFromMin(float value) noexcept { fromMin_ = value; }
    float FromMax() const noexcept { return fromMax_; }
    void SetFromMax(float value) noexcept { fromMax_ = value; }

    // ToMin + (ToMax - ToMin) * ((value - FromMin) / (FromMax - FromMin)).
    // The quotient is computed in double precision and rounded to single; the difference
    // ToMax - ToMin, the product and the sum are each rounded to single.
    // Throws holvane::Error with number holvane::kDivisionByZero when FromMax equals
    // FromMin, and with number holvane::kOverflow when the quotient, the product or the
    // result is not a finite single float (for example with infinite bounds). The scaler
    // itself never changes.
    float ScaledValue(float value) const;

private:
    float toMin_ = 0.0f;
    float toMax_ = 1.0f;
    float fromMin_ = 0.0f;
    float fromMax_ = 1.0f;
};

}  // namespace atrium
ATRIUM_EXPORT_END
