#pragma once
// The two text rules of a written world: strings are UTF-8, and DEF names are VRML identifiers.
#include <cstddef>
#include <string>
#include <string_view>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

// True when text is well-formed UTF-8 (no stray, overlong, surrogate or out-of-range sequence).
bool IsValidUtf8(std::string_view text);
// Appends text to out with every ill-formed sequence replaced by U+FFFD (one per maximal
// ill-formed subpart, as Unicode recommends); well-formed text is appended unchanged.
void AppendUtf8(std::string& out, std::string_view text);

// True when name can follow "DEF " in a world: a VRML identifier of well-formed UTF-8 that
// does not start with a digit, "+" or "-", holds no space or control character, none of
// " # ' , . : [ \ ] { } and DEL (":" is refused for readers of later formats too), and is
// not a keyword (DEF, USE, ROUTE, TO, PROTO, EXTERNPROTO, IS, NULL, TRUE, FALSE, field,
// exposedField, eventIn, eventOut).
bool IsVRMLId(std::string_view name);

}  // namespace holvane
ATRIUM_EXPORT_END
