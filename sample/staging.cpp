#include "staging.hpp"

#include "data_folders.hpp"

namespace atrium_test {
namespace fs = std::filesystem;
using atrium_serve::DataFolder;

void StageViewer(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(DataFolder("protos")))
        if (entry.path().extension() == ".wrl")
            fs::copy_file(entry.path(), folder / entry.path().filename(), fs::copy_options::overwrite_existing);
    fs::path viewer;
    try {
        viewer = DataFolder("viewer");
    } catch (const std::runtime_error&) {
        return;  // a build without npm has no viewer page
    }
    fs::copy(viewer, folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

}  // namespace atrium_test
