#pragma once
// The files one world server hands out: a folder, and for names missing there, fallback
// folders (the installed proto files and viewer page) under the same names.
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace atrium_serve {

// The regular file that relative names below root, or nothing when there is none or the name
// leads outside root: an absolute name, a ".." step, or a symbolic link that points out.
std::optional<std::filesystem::path> FileInside(const std::filesystem::path& root, std::string_view relative);

// A served folder with its fallbacks; requests resolve in the folder first, then in each
// fallback in the order added.
class ServedFolders {
public:
    // notWorlds: .wrl names that are never listed as worlds (the proto files).
    explicit ServedFolders(std::filesystem::path folder, std::set<std::string> notWorlds = {});

    // Serves prefix + NAME from folder / NAME where the served folder has no file NAME.
    void AddFallback(std::string prefix, std::filesystem::path folder);

    // The file an HTTP request path names ("/" and a path ending in "/" name its index.html),
    // or nothing when no folder holds it or the path leads outside them.
    std::optional<std::filesystem::path> Resolve(std::string_view requestPath) const;

    // The names of the served folder's own .wrl files, sorted, less the proto files.
    std::vector<std::string> Worlds() const;

    const std::filesystem::path& Folder() const { return folder_; }

private:
    struct Fallback {
        std::string prefix;
        std::filesystem::path folder;
    };
    std::filesystem::path folder_;
    std::set<std::string> notWorlds_;
    std::vector<Fallback> fallbacks_;
};

}  // namespace atrium_serve
