#pragma once
// Turns a VRML output directory and a proto directory into the relative proto path that
// generated worlds put in front of the proto file names.
#include <string>
#include <string_view>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Module-level helpers of the template library.
namespace AtriumModule {

// Returns the path that leads from the directory `source` (where the VRML worlds are
// written) to the directory `destination` (where the proto files are).
//
// Drive-letter paths ("C:\worlds\charts"): both paths must have a colon as second
// character and the same first character (compared case-sensitively, so "c:" and "C:"
// differ). A final backslash is added to each path that lacks one; the two are related by
// their longest common prefix of whole "\"-terminated components; every source component
// after that prefix becomes a "..\" step and the rest of the destination follows. Only the
// backslash separates components; names are compared exactly.
//   ("C:\a\", "C:\b\") -> "..\b\"    ("C:\w\x", "C:\w\protos") -> "..\protos\"
//   ("C:\ab", "C:\abc") -> "..\abc\"  equal directories -> ""
//
// Absolute POSIX paths (both beginning with "/") are related the same way with "/" as the
// separator: ("/srv/www/charts", "/srv/www/protos") -> "../protos/".
//
// A non-empty result always ends in the separator of its form.
//
// Throws holvane::Error with number holvane::kObjectError and the description
// "Error making relative path : " followed by "Invalid source drive",
// "Invalid destination drive" or "Source and destination drives must match" (or by the
// text of any other failure inside the computation). A network share ("\\server\share")
// is not a drive and fails as an invalid drive.
std::string MakeRelativePath(std::string_view source, std::string_view destination);

}  // namespace AtriumModule
}  // namespace atrium
ATRIUM_EXPORT_END
