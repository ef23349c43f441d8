#include "ticks.hpp"

#include <cmath>

namespace atrium::charts::detail {

int DecimalsOf(double step) {
    for (int d = 0; d < 9; ++d) {
        const double scaled = step * std::pow(10.0, d);
        if (std::abs(scaled - std::round(scaled)) < 1e-6 * scaled) return d;
    }
    return 9;
}

Ticks NiceTicks(double lo, double hi, int target) {
    if (!(hi > lo)) {
        const double pad = lo == 0 ? 1 : std::abs(lo) / 2;
        lo -= pad;
        hi += pad;
    }
    const double raw = (hi - lo) / target;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    double step = 10 * magnitude;
    for (double nice : {1.0, 2.0, 2.5, 5.0})
        if (fraction <= nice * (1 + 1e-9)) {
            step = nice * magnitude;
            break;
        }
    Ticks t;
    t.step = step;
    t.min = std::floor(lo / step + 1e-9) * step;
    t.max = std::ceil(hi / step - 1e-9) * step;
    t.intervals = static_cast<int>(std::lround((t.max - t.min) / step));
    if (t.intervals < 1) {
        t.intervals = 1;
        t.max = t.min + step;
    }
    t.decimals = DecimalsOf(step);
    return t;
}

std::string TickPattern(int decimals) {
    return decimals > 0 ? "#,##0." + std::string(static_cast<std::size_t>(decimals), '0') : "#,##0";
}

std::string ValuePattern(int decimals) { return "#,##0." + std::string(static_cast<std::size_t>(decimals) + 2, '#'); }

}  // namespace atrium::charts::detail
