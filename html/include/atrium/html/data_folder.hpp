#pragma once
// Where the installed data lie at run time: the proto files and the viewer page with X_ITE.
#include <filesystem>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium::html {

// The data folder (share/atrium of an installed tree), holding protos/ and, when the viewer was
// built, viewer/. Looked up in this order, the first that holds protos/ wins:
//   1. $ATRIUM_DATA_DIR, when set (an error when it lacks protos/);
//   2. the folder SetDataFolder gave;
//   3. the build tree's data folder, when this library (or the program it is linked into) lies
//      in the build tree that made it;
//   4. share/atrium beside the folder this library (or that program) lies in, as installed,
//      wherever the installed tree was moved;
//   5. share/atrium under the install prefix the build was configured with.
// Throws HtmlError naming the places tried.
std::filesystem::path DataFolder();

// Names the data folder for a host that installs it elsewhere (a language binding, a bundled
// application); empty goes back to the lookup alone. Process-wide; safe from any thread.
void SetDataFolder(const std::filesystem::path& folder);

}  // namespace atrium::html
ATRIUM_EXPORT_END
