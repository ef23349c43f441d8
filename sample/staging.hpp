#pragma once
// Puts what a browser needs beside the written worlds: the proto files, the viewer page and
// the X_ITE runtime it loads.
#include <filesystem>

namespace atrium_test {

// Copies the proto files, and the viewer page with X_ITE's runtime (under x_ite/) where the
// build has them, into folder, each file whole or not at all (a copy that fails leaves no part
// of it behind); raises std::runtime_error saying what failed: the proto files missing, a file
// that cannot be read, or folder that cannot be written (or std::filesystem::filesystem_error
// for a subfolder that cannot be made).
void StageViewer(const std::filesystem::path& folder);

}  // namespace atrium_test
