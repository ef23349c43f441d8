#pragma once
// The checks every chart runs on its data before it builds anything: each failure names what
// is wrong and where, as the user wrote it (0-based positions, the series' own names).
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace atrium::charts::detail {

// Raises holvane::kInvalidArgument with message.
[[noreturn]] void BadInput(const std::string& message);

// Fails unless every value is finite: `what` value at position k is not a number (or infinite).
void CheckFinite(std::span<const double> values, std::string_view what);

// Fails when count is 0: "`what`: none given".
void CheckNotEmpty(std::size_t count, std::string_view what);

// Fails unless count == expected: "`what` has count values, expected expected (`against`)".
void CheckLength(std::size_t count, std::size_t expected, std::string_view what, std::string_view against);

// Raises holvane::kOverflow when count is more than a 16-bit count holds (32767).
void CheckFits(std::size_t count, std::string_view what);

// "series \"Tea\"" style names for messages.
std::string Named(std::string_view kind, std::string_view name);

}  // namespace atrium::charts::detail
