#pragma once
// A single float as messages show it.
#include <charconv>
#include <cmath>
#include <string>

namespace atrium {

// "NaN", or the shortest text that reads back as the same float ("1e-45", "2.5", "inf").
inline std::string FloatText(float value) {
    if (std::isnan(value)) return "NaN";
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

}  // namespace atrium
