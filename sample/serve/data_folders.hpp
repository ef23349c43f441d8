#pragma once
// Where the sample programs find their own folder and the installed data (share/atrium/).
#include <filesystem>
#include <string>

#include "served_folders.hpp"

namespace atrium_serve {

// The folder of the running program (the current folder when that cannot be told).
std::filesystem::path ProgramFolder();

// share/atrium/<installed> beside the program's folder when installed, else <source tree>/<source>;
// throws std::runtime_error when neither exists.
std::filesystem::path DataFolder(const std::string& installed, const std::string& source);

// folder, with the installed proto files, viewer page and X_ITE runtime served under their
// own names where folder lacks them; the proto files are not listed as worlds. A data folder
// that cannot be found is left out with a warning on standard error.
ServedFolders ChartFolders(const std::filesystem::path& folder);

}  // namespace atrium_serve
