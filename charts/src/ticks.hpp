#pragma once
// Round ("nice") axis ticks that cover a range of data, and the number patterns that go with them.
#include <algorithm>
#include <string>

namespace atrium::charts::detail {

// Ticks from min to max in steps of step (1, 2, 2.5 or 5 times a power of ten); intervals
// steps in all; decimals is the number of decimals a tick label needs.
struct Ticks {
    double min = 0;
    double max = 1;
    double step = 1;
    int intervals = 1;
    int decimals = 0;
};

// About `target` round intervals covering lo..hi (lo <= hi, both finite). An empty range
// (lo == hi) is widened to a unit around it, so a constant series still gets an axis.
Ticks NiceTicks(double lo, double hi, int target = 5);

// The decimals needed to write step exactly (at most 9).
int DecimalsOf(double step);

// Tick labels: thousands separators and exactly `decimals` decimals ("#,##0.00").
std::string TickPattern(int decimals);

// Data values in pop-ups: thousands separators and up to decimals + 2 decimals, trailing zeros
// dropped ("#,##0.##" for whole ticks).
std::string ValuePattern(int decimals);

}  // namespace atrium::charts::detail

namespace atrium::charts::detail {

// Maps data values linearly from min..max onto 0..height in scene units, clamped to that range.
struct ValueScale {
    double min = 0;
    double max = 1;
    float height = 1;
    float operator()(double v) const {
        const double t = (v - min) / (max - min);
        return static_cast<float>(std::clamp(t, 0.0, 1.0) * height);
    }
};

}  // namespace atrium::charts::detail
