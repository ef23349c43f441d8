#include "checks.hpp"

#include <cmath>
#include <limits>

#include "holvane/error.hpp"

namespace atrium::charts::detail {

void BadInput(const std::string& message) { throw holvane::Error(holvane::kInvalidArgument, message); }

void CheckFinite(std::span<const double> values, std::string_view what) {
    for (std::size_t k = 0; k < values.size(); ++k)
        if (!std::isfinite(values[k]))
            BadInput(std::string(what) + ": value at position " + std::to_string(k) +
                     (std::isnan(values[k]) ? " is not a number" : " is infinite"));
}

void CheckNotEmpty(std::size_t count, std::string_view what) {
    if (count == 0) BadInput(std::string(what) + ": none given");
}

void CheckLength(std::size_t count, std::size_t expected, std::string_view what, std::string_view against) {
    if (count != expected)
        BadInput(std::string(what) + " has " + std::to_string(count) + " values, expected " +
                 std::to_string(expected) + " (" + std::string(against) + ")");
}

void CheckFits(std::size_t count, std::string_view what) {
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max());
    if (count > kMax)
        throw holvane::Error(holvane::kOverflow, std::string(what) + ": " + std::to_string(count) +
                                                     " are more than the 32767 a chart holds");
}

std::string Named(std::string_view kind, std::string_view name) {
    return std::string(kind) + " \"" + std::string(name) + "\"";
}

}  // namespace atrium::charts::detail
