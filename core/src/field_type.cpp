#include "holvane/field_type.hpp"

#include <array>

namespace holvane {
namespace {

constexpr std::array<std::string_view, 19> kTypeNames = {
    "SFBool", "SFColor", "SFFloat", "SFInt32", "SFNode", "SFRotation", "SFString", "SFTime", "SFVec2f",
    "SFVec3f", "MFColor", "MFFloat", "MFInt32", "MFNode", "MFRotation", "MFString", "MFTime", "MFVec2f",
    "MFVec3f",
};
constexpr std::array<std::string_view, 4> kKindNames = {"exposedField", "field", "eventIn", "eventOut"};

}  // namespace

std::string_view TypeName(FieldType type) { return kTypeNames[static_cast<std::size_t>(type)]; }

std::optional<FieldType> TypeFromName(std::string_view name) {
    for (std::size_t i = 0; i < kTypeNames.size(); ++i)
        if (kTypeNames[i] == name) return static_cast<FieldType>(i);
    return std::nullopt;
}

std::string_view KindName(FieldKind kind) { return kKindNames[static_cast<std::size_t>(kind)]; }

}  // namespace holvane
