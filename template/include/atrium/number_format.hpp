#pragma once
// Formats numbers with numeric format patterns such as "###,##0.00"; used for every
// number label the library writes.
#include <concepts>
#include <string>
#include <string_view>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Formats `value` with the numeric format `pattern`. The output is culture-invariant:
// "." is the decimal point, "," the thousands separator, "-" the minus sign.
//
// Pattern characters:
//   0      digit that is always written. The leftmost "0" before the decimal point fixes how
//          many integer digits are always written ("000" writes 5 as 005); the rightmost
//          "0" after it fixes how many decimals are always written.
//   #      digit written only when significant: "#" writes 0 as "", "#.##" writes 0.5 as
//          ".5" and 1 as "1" (the decimal point is left out when no decimal is written).
//          Integer digits beyond the placeholders are all written at the first one.
//   .      the first "." marks the decimal point; the number of "0" and "#" after it is the
//          number of decimals the value is rounded to. Later "." characters are ignored.
//   ,      between digit placeholders before the decimal point: thousands separators every
//          three integer digits ("#,##0"). Directly before the decimal point (or after the
//          last integer placeholder when there is none): each "," divides the value by 1000
//          ("#,##0,," writes 1234567890 as 1,235). Anywhere else it is ignored.
//   %      written as is; each one multiplies the value by 100 ("0.0%" writes 0.125 as 12.5%).
//   \c     the character c written as is ("\#" writes "#").
//   '..' ".."  the quoted text written as is; an unclosed quote runs to the end.
//   ;      separates sections (see below); a ";" inside quotes or after "\" is literal.
//   anything else (letters, spaces, "-", "(", "E" ...) is written as is. Exponent
//   notation is not supported.
//
// Rounding is half away from zero on the exact decimal value of the binary number: a float
// is widened to double exactly, so 2.675f (2.67499995...) writes "2.67" with "0.00" while
// 0.125f (exactly 0.125) writes "0.13". Percent and "," scaling shift the exact decimal
// digits, so they add no rounding of their own.
//
// Sections, after the usual numeric-format conventions:
//   one section      applies to every value; a negative value gets a leading "-".
//   two sections     first for positive values and zero, second for negative values,
//                    written without an automatic "-" (the section writes its own signs).
//   three sections   first for positive values, second for negative values, third for
//                    zero. Sections after the third are ignored.
//   An empty second section means: negative values use the first section with a leading
//   "-"; an empty third section means: zero uses the first section.
//   A value that becomes zero after rounding with its section is written as zero: with the
//   zero section when there are three, otherwise with the first section, unsigned.
//
// Negative zero: with a single section, a negative value that rounds to zero keeps its
// sign, so -0.001 with "0.00" writes "-0.00", as the common conventions of this pattern
// language do; a two- or three-section pattern avoids that sign (see above). A value that
// is exactly zero, including the floating-point -0.0, is zero and never gets a "-".
//
// An empty pattern (or an empty first section chosen for the value) writes the shortest
// text that reads back as the same number, as std::to_chars does (e.g. "0.1", "1e+20").
// NaN writes "NaN", infinities write "Infinity" and "-Infinity", whatever the pattern.
//
// Fast enough for tens of thousands of labels: no streams, no locale, no heap use besides
// the returned string.
std::string FormatNumber(double value, std::string_view pattern);

// As above; the float is widened exactly to double. The empty pattern writes the shortest
// text that reads back as the same float ("0.1" for 0.1f).
std::string FormatNumber(float value, std::string_view pattern);

// As above for integers, converted to double (exact up to 2^53 in magnitude).
template <std::integral T>
    requires(!std::same_as<T, bool>)
std::string FormatNumber(T value, std::string_view pattern) {
    return FormatNumber(static_cast<double>(value), pattern);
}

}  // namespace atrium
ATRIUM_EXPORT_END
