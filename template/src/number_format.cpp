#include "atrium/number_format.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace atrium {
namespace {

// Longest exact fixed-point text of a double: 309 integer digits, a point and 1074 decimals.
constexpr std::size_t kMaxDigits = 1400;

// ---------------------------------------------------------------------------------------
// Pattern reading

enum class Kind { Zero, Hash, Point, Comma, Percent, Literal };

struct Item {
    Kind kind = Kind::Literal;
    std::string_view text;  // for Literal only
};

bool IsPatternChar(char c) {
    switch (c) {
        case '0': case '#': case '.': case ',': case '%': case '\\': case '\'': case '"':
            return true;
        default:
            return false;
    }
}

// Walks one section of a pattern item by item, resolving quotes and escapes.
class ItemReader {
public:
    explicit ItemReader(std::string_view section) : s_(section) {}

    bool Next(Item& item) {
        if (i_ >= s_.size()) return false;
        const char c = s_[i_];
        switch (c) {
            case '0': ++i_; item = {Kind::Zero, {}}; return true;
            case '#': ++i_; item = {Kind::Hash, {}}; return true;
            case '.': ++i_; item = {Kind::Point, {}}; return true;
            case ',': ++i_; item = {Kind::Comma, {}}; return true;
            case '%': ++i_; item = {Kind::Percent, {}}; return true;
            case '\\':
                if (i_ + 1 < s_.size()) {
                    item = {Kind::Literal, s_.substr(i_ + 1, 1)};
                    i_ += 2;
                } else {  // a lone final backslash stands for itself
                    item = {Kind::Literal, s_.substr(i_, 1)};
                    ++i_;
                }
                return true;
            case '\'':
            case '"': {
                const std::size_t close = s_.find(c, i_ + 1);
                if (close == std::string_view::npos) {
                    item = {Kind::Literal, s_.substr(i_ + 1)};
                    i_ = s_.size();
                } else {
                    item = {Kind::Literal, s_.substr(i_ + 1, close - i_ - 1)};
                    i_ = close + 1;
                }
                return true;
            }
            default: {
                std::size_t j = i_ + 1;
                while (j < s_.size() && !IsPatternChar(s_[j])) ++j;
                item = {Kind::Literal, s_.substr(i_, j - i_)};
                i_ = j;
                return true;
            }
        }
    }

private:
    std::string_view s_;
    std::size_t i_ = 0;
};

// Splits a pattern at the ";" that stand outside quotes and escapes; keeps the first three.
int SplitSections(std::string_view pattern, std::array<std::string_view, 3>& sections) {
    int count = 0;
    std::size_t begin = 0;
    char quote = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == '\\') {
            ++i;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            sections[static_cast<std::size_t>(count++)] = pattern.substr(begin, i - begin);
            begin = i + 1;
            if (count == 3) return count;
        }
    }
    sections[static_cast<std::size_t>(count++)] = pattern.substr(std::min(begin, pattern.size()));
    return count;
}

// What one section asks for, found by a first pass over its items.
struct Layout {
    int intPlaceholders = 0;  // "0" and "#" before the decimal point
    int alwaysInt = 0;        // integer digits always written (from the leftmost "0")
    int fracPlaceholders = 0; // "0" and "#" after the decimal point: decimals rounded to
    int alwaysFrac = 0;       // decimals always written (up to the rightmost "0")
    bool grouping = false;    // thousands separators wanted
    int shift = 0;            // power of ten applied: +2 per "%", -3 per scaling ","
};

Layout Analyze(std::string_view section) {
    Layout layout;
    int firstZero = -1;     // index of the leftmost integer "0"
    bool afterPoint = false;
    int commaPos = -1;      // integer placeholder count at the last "," run
    int commaRun = 0;       // length of that run
    ItemReader reader(section);
    Item item;
    while (reader.Next(item)) {
        switch (item.kind) {
            case Kind::Zero:
            case Kind::Hash:
                if (!afterPoint) {
                    if (item.kind == Kind::Zero && firstZero < 0) firstZero = layout.intPlaceholders;
                    ++layout.intPlaceholders;
                } else {
                    ++layout.fracPlaceholders;
                    if (item.kind == Kind::Zero) layout.alwaysFrac = layout.fracPlaceholders;
                }
                break;
            case Kind::Point:
                afterPoint = true;
                break;
            case Kind::Comma:
                if (!afterPoint && layout.intPlaceholders > 0) {
                    if (commaPos == layout.intPlaceholders) {
                        ++commaRun;
                    } else {
                        if (commaPos >= 0) layout.grouping = true;  // digits since the last ","
                        commaPos = layout.intPlaceholders;
                        commaRun = 1;
                    }
                }
                break;
            case Kind::Percent:
                layout.shift += 2;
                break;
            case Kind::Literal:
                break;
        }
    }
    if (commaPos >= 0) {
        if (commaPos == layout.intPlaceholders) {
            layout.shift -= 3 * commaRun;  // the run ends the integer part: scaling
        } else {
            layout.grouping = true;
        }
    }
    if (firstZero >= 0) layout.alwaysInt = layout.intPlaceholders - firstZero;
    return layout;
}

// ---------------------------------------------------------------------------------------
// Exact decimal digits

// A positive decimal 0.d[0]d[1]...d[count-1] x 10^intLen, or zero when count is 0.
struct Decimal {
    char d[kMaxDigits];
    int count = 0;
    int intLen = 0;
};

// Number of decimals in the exact expansion of a finite double: that of its binary fraction.
int ExactDecimals(double x) {
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const int field = static_cast<int>((bits >> 52) & 0x7FFu);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (field != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = field - 1075;
    }
    if (mantissa == 0) return 0;
    exponent += std::countr_zero(mantissa);
    return exponent < 0 ? -exponent : 0;
}

// The exact decimal digits of |x| for finite x, without leading or trailing zeros.
void ExactDigits(double x, Decimal& out) {
    out.count = 0;
    out.intLen = 0;
    x = std::fabs(x);
    if (x == 0.0) return;
    char text[kMaxDigits + 8];
    // With as many decimals as the binary fraction has bits the text is exact: no rounding.
    const auto res = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed,
                                   ExactDecimals(x));
    bool significant = false;
    bool afterPoint = false;
    for (const char* p = text; p != res.ptr; ++p) {
        const char c = *p;
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (!significant) {
            if (c == '0') {
                if (afterPoint) --out.intLen;
                continue;
            }
            significant = true;
        }
        out.d[out.count++] = c;
        if (!afterPoint) ++out.intLen;
    }
    while (out.count > 0 && out.d[out.count - 1] == '0') --out.count;
}

// Shifts `exact` by 10^shift and rounds it half away from zero to `decimals` decimals.
void Round(const Decimal& exact, int shift, int decimals, Decimal& out) {
    out.count = 0;
    out.intLen = 0;
    if (exact.count == 0) return;
    const int intLen = exact.intLen + shift;
    const int keep = intLen + decimals;  // significant digits that survive
    if (keep < 0) return;                // below half a unit of the last decimal
    out.intLen = intLen;
    if (keep >= exact.count) {
        std::memcpy(out.d, exact.d, static_cast<std::size_t>(exact.count));
        out.count = exact.count;
        return;
    }
    std::memcpy(out.d, exact.d, static_cast<std::size_t>(keep));
    out.count = keep;
    if (exact.d[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && out.d[i] == '9') out.d[i--] = '0';
        if (i >= 0) {
            ++out.d[i];
        } else {  // all nines (or nothing kept): the value becomes 10^intLen
            out.d[0] = '1';
            out.count = 1;
            ++out.intLen;
        }
    }
    while (out.count > 0 && out.d[out.count - 1] == '0') --out.count;
    if (out.count == 0) out.intLen = 0;
}

// ---------------------------------------------------------------------------------------
// Writing

// Writes `number` through `section` (second pass), with a leading "-" when `minus`.
void Emit(std::string& out, std::string_view section, const Layout& layout,
          const Decimal& number, bool minus) {
    if (minus) out += '-';
    const int intDigits = number.count == 0 ? 0 : std::max(number.intLen, 0);
    const int nonzeroDecimals = number.count == 0 ? 0 : std::max(number.count - number.intLen, 0);
    const int decimals = std::max(layout.alwaysFrac, nonzeroDecimals);

    // Digit at decimal position p: 0 is the units, 1 the tens, -1 the first decimal.
    auto digitAt = [&number](int p) {
        const int index = number.intLen - 1 - p;
        return index >= 0 && index < number.count ? number.d[index] : '0';
    };
    auto putInteger = [&](int p) {
        out += digitAt(p);
        if (layout.grouping && p > 0 && p % 3 == 0) out += ',';
    };
    bool leadingDone = false;
    auto putLeading = [&] {  // integer digits beyond the placeholders go before the first
        if (leadingDone) return;
        leadingDone = true;
        for (int p = intDigits - 1; p >= layout.intPlaceholders; --p) putInteger(p);
    };

    int position = layout.intPlaceholders - 1;
    bool afterPoint = false;
    int decimal = 0;
    ItemReader reader(section);
    Item item;
    while (reader.Next(item)) {
        switch (item.kind) {
            case Kind::Zero:
            case Kind::Hash:
                if (!afterPoint) {
                    putLeading();
                    if (position < intDigits || position < layout.alwaysInt) putInteger(position);
                    --position;
                } else {
                    ++decimal;
                    if (decimal <= decimals) out += digitAt(-decimal);
                }
                break;
            case Kind::Point:
                if (!afterPoint) {
                    putLeading();
                    afterPoint = true;
                    if (decimals > 0) out += '.';
                }
                break;
            case Kind::Comma:
                break;
            case Kind::Percent:
                out += '%';
                break;
            case Kind::Literal:
                out += item.text;
                break;
        }
    }
}

template <typename T>
std::string Shortest(T value) {
    char text[64];
    const auto res = std::to_chars(text, text + sizeof text, value);
    return std::string(text, res.ptr);
}

// Formats a finite or non-finite value; `general` writes the value for empty sections.
template <typename General>
std::string Format(double value, std::string_view pattern, General general) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    if (pattern.empty()) return general();

    std::array<std::string_view, 3> sections;
    const int count = SplitSections(pattern, sections);
    const bool negative = value < 0.0;
    const bool isZero = value == 0.0;

    // The section of the value and whether it writes its own "-".
    std::string_view section = sections[0];
    bool minus = negative;
    if (count > 1) {
        if (isZero) {
            if (count == 3 && !sections[2].empty()) section = sections[2];
            minus = false;
        } else if (negative && !sections[1].empty()) {
            section = sections[1];
            minus = false;
        }
    }
    if (section.empty()) return general();

    Decimal exact;
    ExactDigits(value, exact);
    Layout layout = Analyze(section);
    Decimal rounded;
    Round(exact, layout.shift, layout.fracPlaceholders, rounded);

    // A non-zero value that rounds to zero in a multi-section pattern is written as zero.
    if (count > 1 && !isZero && rounded.count == 0) {
        section = count == 3 && !sections[2].empty() ? sections[2] : sections[0];
        minus = false;
        if (section.empty()) return general();
        layout = Analyze(section);
    }

    std::string out;
    out.reserve(section.size() + 24);
    Emit(out, section, layout, rounded, minus);
    return out;
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
    return Format(value, pattern, [value] { return Shortest(value); });
}

std::string FormatNumber(float value, std::string_view pattern) {
    return Format(static_cast<double>(value), pattern, [value] { return Shortest(value); });
}

}  // namespace atrium
