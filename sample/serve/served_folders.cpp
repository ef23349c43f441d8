#include "served_folders.hpp"

#include <algorithm>

namespace atrium_serve {
namespace fs = std::filesystem;

std::optional<fs::path> FileInside(const fs::path& root, std::string_view relative) {
    if (relative.empty() || relative.find('\0') != std::string_view::npos) return std::nullopt;
    fs::path name(relative);
    if (name.is_absolute()) return std::nullopt;
    for (const fs::path& step : name)
        if (step == "..") return std::nullopt;

    // Symbolic links are followed; what they lead to must still lie below root.
    std::error_code ec;
    fs::path base = fs::canonical(root, ec);
    if (ec) return std::nullopt;
    fs::path target = fs::canonical(base / name, ec);
    if (ec || !fs::is_regular_file(target, ec)) return std::nullopt;
    auto [inBase, inTarget] = std::mismatch(base.begin(), base.end(), target.begin(), target.end());
    if (inBase != base.end()) return std::nullopt;
    return target;
}

ServedFolders::ServedFolders(fs::path folder, std::set<std::string> notWorlds)
    : folder_(std::move(folder)), notWorlds_(std::move(notWorlds)) {}

void ServedFolders::AddFallback(std::string prefix, fs::path folder) {
    fallbacks_.push_back({std::move(prefix), std::move(folder)});
}

std::optional<fs::path> ServedFolders::Resolve(std::string_view requestPath) const {
    // One leading slash belongs to HTTP; a second one would make the name absolute.
    if (requestPath.starts_with('/')) requestPath.remove_prefix(1);
    std::string relative(requestPath);
    if (relative.empty() || relative.ends_with('/')) relative += "index.html";

    if (auto file = FileInside(folder_, relative)) return file;
    for (const Fallback& fallback : fallbacks_) {
        if (!relative.starts_with(fallback.prefix)) continue;
        if (auto file = FileInside(fallback.folder, std::string_view(relative).substr(fallback.prefix.size())))
            return file;
    }
    return std::nullopt;
}

std::vector<std::string> ServedFolders::Worlds() const {
    std::vector<std::string> worlds;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder_, ec)) {
        std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".wrl" || notWorlds_.contains(name)) continue;
        if (FileInside(folder_, name)) worlds.push_back(std::move(name));
    }
    std::sort(worlds.begin(), worlds.end());
    return worlds;
}

}  // namespace atrium_serve
