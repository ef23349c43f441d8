#include "holvane/vrml_text.hpp"

#include <array>

namespace holvane {
namespace {

// The length of the well-formed sequence at the start of s, or 0 when there is none; `prefix`
// gets the length of the longest start of a well-formed sequence (at least 1).
std::size_t Sequence(std::string_view s, std::size_t& prefix) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    prefix = 1;
    if (b0 < 0x80) return 1;
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // the range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        if (b0 == 0xE0) lo = 0xA0;  // no overlong forms
        if (b0 == 0xED) hi = 0x9F;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        if (b0 == 0xF0) lo = 0x90;  // no overlong forms
        if (b0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        if (k >= s.size()) return 0;
        const auto b = static_cast<unsigned char>(s[k]);
        if (b < lo || b > hi) return 0;
        lo = 0x80;
        hi = 0xBF;
        prefix = k + 1;
    }
    return n;
}

bool ForbiddenInId(unsigned char c, bool first) {
    if (c <= 0x20 || c == 0x7F) return true;
    if (first && ((c >= '0' && c <= '9') || c == '+' || c == '-')) return true;
    return std::string_view("\"#',.:[\\]{}").find(static_cast<char>(c)) != std::string_view::npos;
}

constexpr std::array<std::string_view, 14> kKeywords = {
    "DEF", "EXTERNPROTO", "FALSE", "IS", "NULL", "PROTO", "ROUTE",
    "TO", "TRUE", "USE", "eventIn", "eventOut", "exposedField", "field",
};

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0, prefix = 0; i < text.size();) {
        const std::size_t n = Sequence(text.substr(i), prefix);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

void AppendUtf8(std::string& out, std::string_view text) {
    for (std::size_t i = 0, prefix = 0; i < text.size();) {
        const std::size_t n = Sequence(text.substr(i), prefix);
        if (n == 0) {
            out.append("\xEF\xBF\xBD");
            i += prefix;
        } else {
            out.append(text.substr(i, n));
            i += n;
        }
    }
}

bool IsVRMLId(std::string_view name) {
    if (name.empty() || !IsValidUtf8(name)) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (ForbiddenInId(static_cast<unsigned char>(name[i]), i == 0)) return false;
    for (std::string_view keyword : kKeywords)
        if (name == keyword) return false;
    return true;
}

}  // namespace holvane
