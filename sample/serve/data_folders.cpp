#include "data_folders.hpp"

#include <iostream>
#include <stdexcept>

#include "holvane/graph/graph_protos.hpp"
#include "holvane/ui_nodes.hpp"

namespace atrium_serve {
namespace fs = std::filesystem;

fs::path ProgramFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

fs::path DataFolder(const std::string& name) {
    fs::path folder = (ProgramFolder() / ATRIUM_DATA_FROM_PROGRAM / name).lexically_normal();
    if (!fs::is_directory(folder)) throw std::runtime_error("Cannot find " + folder.string());
    return folder;
}

ServedFolders ChartFolders(const fs::path& folder) {
    ServedFolders folders(folder, {std::string(holvane::graph::kGraphProtoFile), std::string(holvane::kUIProtoFile),
                                   std::string(holvane::kNavProtoFile)});
    // The viewer folder holds X_ITE under x_ite/, so its requests resolve there too.
    for (const char* name : {"protos", "viewer"}) {
        try {
            folders.AddFallback("", DataFolder(name));
        } catch (const std::exception& e) {
            std::cerr << "warning: " << e.what() << "\n";
        }
    }
    return folders;
}

}  // namespace atrium_serve
