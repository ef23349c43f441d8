#pragma once
// Puts what a browser needs beside the written worlds: the proto files, the viewer page and
// the X_ITE runtime it loads.
#include <filesystem>

namespace atrium_test {

// Copies protos/*.wrl, the viewer page and X_ITE's runtime (under x_ite/) into folder; raises
// std::filesystem::filesystem_error or std::runtime_error when a source or the copy fails.
void StageViewer(const std::filesystem::path& folder);

}  // namespace atrium_test
