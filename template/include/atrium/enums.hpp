#pragma once
// The enumerations shared by several scene parts, and their mapping onto VRML strings.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The font family of a text; written as the FontStyle family "SERIF", "SANS" or "TYPEWRITER".
enum class VRMLFontFamily : std::int32_t { VRML_SERIF = 0, VRML_SANS = 1, VRML_TYPEWRITER = 2 };

// The style of a text; written as the FontStyle style "PLAIN" or "BOLD".
enum class VRMLFontStyle : std::int32_t { VRML_PLAIN = 0, VRML_BOLD = 1 };

// The alignment of a label; written as the FontStyle justify "BEGIN" or "END".
enum class LabelAlignment : std::int32_t { LEFT_ALIGN = 0, RIGHT_ALIGN = 1 };

// Where a popup stands beside its marker; written as "LEFT", "RIGHT", "TOP" or "BOTTOM".
enum class VRMLPopupAlignment : std::int32_t { VRML_LEFT = 0, VRML_RIGHT = 1, VRML_TOP = 2, VRML_BOTTOM = 3 };

// The shape of a legend key; written as "BOX" or "SPHERE".
enum class LegendKeyStyle : std::int32_t { BOX_STYLE = 0, SPHERE_STYLE = 1 };

// The order in which axis labels run.
enum class LabelingOrder : std::int32_t { MIN_TO_MAX = 0, MAX_TO_MIN = 1 };

namespace detail {

// The VRML strings of an enumeration, indexed by value.
template <class E>
struct VRMLNames;
template <>
struct VRMLNames<VRMLFontFamily> {
    static constexpr std::array<std::string_view, 3> kNames{"SERIF", "SANS", "TYPEWRITER"};
};
template <>
struct VRMLNames<VRMLFontStyle> {
    static constexpr std::array<std::string_view, 2> kNames{"PLAIN", "BOLD"};
};
template <>
struct VRMLNames<LabelAlignment> {
    static constexpr std::array<std::string_view, 2> kNames{"BEGIN", "END"};
};
template <>
struct VRMLNames<VRMLPopupAlignment> {
    static constexpr std::array<std::string_view, 4> kNames{"LEFT", "RIGHT", "TOP", "BOTTOM"};
};
template <>
struct VRMLNames<LegendKeyStyle> {
    static constexpr std::array<std::string_view, 2> kNames{"BOX", "SPHERE"};
};

}  // namespace detail

// True when value is one of the members of its enumeration.
template <class E>
constexpr bool IsValid(E value) {
    const auto i = static_cast<std::int64_t>(value);
    return i >= 0 && i < static_cast<std::int64_t>(detail::VRMLNames<E>::kNames.size());
}

// True when value is MIN_TO_MAX or MAX_TO_MIN.
constexpr bool IsValid(LabelingOrder value) {
    return value == LabelingOrder::MIN_TO_MAX || value == LabelingOrder::MAX_TO_MIN;
}

// The VRML string of value, or the empty string for a value outside its enumeration.
template <class E>
constexpr std::string_view VRMLString(E value) {
    return IsValid(value) ? detail::VRMLNames<E>::kNames[static_cast<std::size_t>(value)]
                          : std::string_view{};
}

// The value a VRML string names (exact comparison); 0 for any string the enumeration does not know.
template <class E>
constexpr E FromVRMLString(std::string_view text) {
    const auto& names = detail::VRMLNames<E>::kNames;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == text) return static_cast<E>(i);
    }
    return E{};
}

}  // namespace atrium
ATRIUM_EXPORT_END
