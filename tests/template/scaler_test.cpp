#include "atrium/scaler.hpp"

#include <gtest/gtest.h>

#include "holvane/error.hpp"

namespace {

using atrium::AtriumScaler;

TEST(AtriumScaler, NewScalerMapsUnitRangeOntoItself) {
    const AtriumScaler scaler;
    EXPECT_EQ(scaler.ToMin(), 0.0f);
    EXPECT_EQ(scaler.ToMax(), 1.0f);
    EXPECT_EQ(scaler.FromMin(), 0.0f);
    EXPECT_EQ(scaler.FromMax(), 1.0f);
    EXPECT_EQ(scaler.ScaledValue(0.25f), 0.25f);
    EXPECT_EQ(scaler.ScaledValue(-3.0f), -3.0f);
}

TEST(AtriumScaler, MapsLinearlyIncludingOutsideAndReversedRanges) {
    AtriumScaler scaler;
    scaler.SetFromMin(10.0f);
    scaler.SetFromMax(20.0f);
    scaler.SetToMin(0.0f);
    scaler.SetToMax(100.0f);
    EXPECT_EQ(scaler.ScaledValue(10.0f), 0.0f);
    EXPECT_EQ(scaler.ScaledValue(15.0f), 50.0f);
    EXPECT_EQ(scaler.ScaledValue(20.0f), 100.0f);
    EXPECT_EQ(scaler.ScaledValue(25.0f), 150.0f);  // no clamping

    scaler.SetToMin(1.0f);
    scaler.SetToMax(0.0f);
    EXPECT_EQ(scaler.ScaledValue(12.5f), 0.75f);
}

TEST(AtriumScaler, RoundsQuotientOnceFromDoubleAndEachLaterStepToSingle) {
    // Reference computed with exact rational arithmetic under the stated rounding. An
    // all-single quotient gives 23.65852165..., a fused multiply-add gives 23.65852547...
    AtriumScaler scaler;
    scaler.SetFromMin(0.1f);
    scaler.SetFromMax(33.3f);
    scaler.SetToMin(0.3f);
    scaler.SetToMax(1.3f);
    EXPECT_EQ(scaler.ScaledValue(775.60302734375f), 23.658523559570312f);
}

TEST(AtriumScaler, EqualSourceBoundsAreADivisionByZero) {
    AtriumScaler scaler;
    scaler.SetFromMin(3.0f);
    scaler.SetFromMax(3.0f);
    scaler.SetToMax(7.0f);
    for (const float value : {5.0f, 3.0f}) {  // 3 makes it 0 / 0
        try {
            (void)scaler.ScaledValue(value);
            FAIL() << "no error for value " << value;
        } catch (const holvane::Error& e) {
            EXPECT_EQ(e.number(), holvane::kDivisionByZero);
            EXPECT_NE(e.description().find("Division by zero"), std::string::npos);
        }
    }
    EXPECT_EQ(scaler.FromMin(), 3.0f);
    EXPECT_EQ(scaler.FromMax(), 3.0f);
    EXPECT_EQ(scaler.ToMin(), 0.0f);
    EXPECT_EQ(scaler.ToMax(), 7.0f);
}

TEST(AtriumScaler, ResultsBeyondSinglePrecisionAreOverflows) {
    AtriumScaler tinySpan;
    tinySpan.SetFromMax(1e-30f);
    try {
        (void)tinySpan.ScaledValue(1e30f);
        FAIL();
    } catch (const holvane::Error& e) {
        EXPECT_EQ(e.number(), holvane::kOverflow);
    }

    AtriumScaler hugeRange;
    hugeRange.SetToMin(-3e38f);
    hugeRange.SetToMax(3e38f);  // ToMax - ToMin exceeds the largest single
    try {
        (void)hugeRange.ScaledValue(0.5f);
        FAIL();
    } catch (const holvane::Error& e) {
        EXPECT_EQ(e.number(), holvane::kOverflow);
    }
}

}  // namespace
