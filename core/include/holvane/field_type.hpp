#pragma once
// The VRML 97 field types and interface kinds, with their names as written in VRML.
#include <cstdint>
#include <optional>
#include <string_view>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

// Every field type the object model can hold.
enum class FieldType : std::uint8_t {
    SFBool, SFColor, SFFloat, SFInt32, SFNode, SFRotation, SFString, SFTime, SFVec2f, SFVec3f,
    MFColor, MFFloat, MFInt32, MFNode, MFRotation, MFString, MFTime, MFVec2f, MFVec3f,
};

// The four kinds of interface declaration of a node or PROTO.
enum class FieldKind : std::uint8_t { exposedField, field, eventIn, eventOut };

// The VRML name of a type, e.g. "SFColor".
std::string_view TypeName(FieldType type);
// The type of a VRML type name; empty for an unknown name (exact, case-sensitive).
std::optional<FieldType> TypeFromName(std::string_view name);
// The VRML keyword of a kind, e.g. "exposedField".
std::string_view KindName(FieldKind kind);
// True for the multi-valued types.
constexpr bool IsMulti(FieldType type) { return type >= FieldType::MFColor; }

}  // namespace holvane
ATRIUM_EXPORT_END
