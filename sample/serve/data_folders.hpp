#pragma once
// Where the sample programs find their own folder and their data files (../share/atrium/ from
// their own folder by default, installed or in the build tree).
#include <filesystem>
#include <string>

#include "served_folders.hpp"

namespace atrium_serve {

// The folder of the running program (the current folder when that cannot be told).
std::filesystem::path ProgramFolder();

// The data folder name ("protos" or "viewer") found from the program's own folder, as the
// build placed it (../share/atrium/<name> by default); throws
// std::runtime_error when it is not there.
std::filesystem::path DataFolder(const std::string& name);

// folder, with the proto files, the viewer page and its X_ITE runtime served under their
// own names where folder lacks them; the proto files are not listed as worlds. A data folder
// that cannot be found is left out with a warning on standard error.
ServedFolders ChartFolders(const std::filesystem::path& folder);

}  // namespace atrium_serve
