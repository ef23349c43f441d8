#pragma once
// Puts what a browser needs beside the written worlds: the proto files, the viewer page and
// the X_ITE runtime it loads.
#include <filesystem>

namespace atrium_test {

// Copies the proto files, and the viewer page with X_ITE's runtime (under x_ite/) where the
// build has them, into folder; raises std::filesystem::filesystem_error or std::runtime_error
// when the proto files are missing or a copy fails.
void StageViewer(const std::filesystem::path& folder);

}  // namespace atrium_test
