#include "atrium/html/data_folder.hpp"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <string>
#include <system_error>
#include <vector>

#include "atrium/html/write_html.hpp"

namespace atrium::html {
namespace fs = std::filesystem;

namespace {

bool HoldsProtos(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / "protos", ec);
}

// The file this code was loaded from: the shared library, or the program a static library was
// linked into. Empty when the system cannot tell.
fs::path LoadedFrom() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&HoldsProtos), &info) == 0 || info.dli_fname == nullptr) return {};
    std::error_code ec;
    fs::path file = fs::canonical(info.dli_fname, ec);
    return ec ? fs::path(info.dli_fname) : file;
}

bool IsInside(const fs::path& file, const fs::path& folder) {
    const auto [end, _] = std::mismatch(folder.begin(), folder.end(), file.begin(), file.end());
    return end == folder.end();
}

std::mutex hostFolderMutex;
fs::path hostFolder;

}  // namespace

void SetDataFolder(const fs::path& folder) {
    std::lock_guard lock(hostFolderMutex);
    hostFolder = folder;
}

fs::path DataFolder() {
    if (const char* env = std::getenv("ATRIUM_DATA_DIR"); env != nullptr && *env != '\0') {
        if (HoldsProtos(env)) return env;
        throw HtmlError(std::string("ATRIUM_DATA_DIR names ") + env + ", which holds no protos folder");
    }
    std::vector<fs::path> tried;
    {
        std::lock_guard lock(hostFolderMutex);
        if (!hostFolder.empty()) tried.push_back(hostFolder);
    }
    const fs::path loaded = LoadedFrom();
    if (!loaded.empty() && IsInside(loaded, fs::path(ATRIUM_BUILD_TREE).lexically_normal()))
        tried.emplace_back(ATRIUM_BUILD_DATA_DIR);
    if (!loaded.empty()) tried.push_back((loaded.parent_path() / ATRIUM_DATA_FROM_LIBRARY).lexically_normal());
    tried.emplace_back(ATRIUM_INSTALL_DATA_DIR);
    std::string places;
    for (const auto& folder : tried) {
        if (HoldsProtos(folder)) return folder;
        places += (places.empty() ? "" : ", ") + folder.string();
    }
    throw HtmlError("Cannot find Atrium's data folder (protos and viewer) in " + places +
                    "; set ATRIUM_DATA_DIR to the share/atrium folder of an installed tree");
}

}  // namespace atrium::html
