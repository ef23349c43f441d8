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

fs::path DataFolder(const std::string& installed, const std::string& source) {
    fs::path candidate = ProgramFolder().parent_path() / "share" / "atrium" / installed;
    if (fs::is_directory(candidate)) return candidate;
    fs::path fallback = fs::path(ATRIUM_SOURCE_DIR) / source;
    if (!fs::is_directory(fallback)) throw std::runtime_error("Cannot find " + fallback.string());
    return fallback;
}

ServedFolders ChartFolders(const fs::path& folder) {
    ServedFolders folders(folder, {std::string(holvane::graph::kGraphProtoFile), std::string(holvane::kUIProtoFile),
                                   std::string(holvane::kNavProtoFile)});
    struct DataRow {
        const char* prefix;
        const char* installed;
        const char* source;
    };
    // The installed viewer folder holds X_ITE under x_ite/; in the source tree it is npm's copy.
    static constexpr DataRow kData[] = {
        {"", "protos", "protos"},
        {"", "viewer", "viewer"},
        {"x_ite/", "viewer/x_ite", "node_modules/x_ite/dist"},
    };
    for (const DataRow& row : kData) {
        try {
            folders.AddFallback(row.prefix, DataFolder(row.installed, row.source));
        } catch (const std::exception& e) {
            std::cerr << "warning: " << e.what() << "\n";
        }
    }
    return folders;
}

}  // namespace atrium_serve
