#include "file_replace.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

namespace holvane {
namespace fs = std::filesystem;
namespace {

constexpr int kMaxLinks = 40;  // the kernel's own limit on a chain of symbolic links
constexpr std::string_view kTempSuffix = ".XXXXXX";

// The file a write must replace: the final target of a chain of symbolic links.
fs::path ResolveLinks(fs::path file) {
    for (int depth = 0; depth < kMaxLinks; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(file, ec)) break;
        const fs::path target = fs::read_symlink(file, ec);
        if (ec) break;
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return file;
}

// "<dir>/.<name>.XXXXXX" with <name> cut so the whole name fits the directory's limit.
std::string TempName(const fs::path& file) {
    const fs::path dir = file.parent_path();
    long limit = ::pathconf(dir.empty() ? "." : dir.c_str(), _PC_NAME_MAX);
    if (limit <= 0) limit = 255;
    const std::string name = file.filename().string();
    const std::size_t room = static_cast<std::size_t>(limit) > kTempSuffix.size() + 1
                                 ? static_cast<std::size_t>(limit) - kTempSuffix.size() - 1
                                 : 0;
    std::string temp = ".";
    temp.append(name, 0, room).append(kTempSuffix);
    return (dir / temp).string();
}

// The process's file-creation mask, read from /proc/self/status ("Umask:\t0022"). Setting the
// mask to read it back would change it for every thread of the process meanwhile, so it is only
// read; empty where the kernel does not report it (before Linux 4.7, or no /proc).
std::optional<mode_t> ReadUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) != 0) continue;
        try {
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8) & 0777);
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::error_code ReplaceFile(const fs::path& file, std::string_view text) {
    const fs::path target = ResolveLinks(file);
    std::string temp = TempName(target);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return {errno, std::generic_category()};

    int error = 0;
    struct stat st {};
    // mkstemp made the file 0600: kept where the umask cannot be read, never more open than meant.
    std::optional<mode_t> mode;
    if (::stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else if (const auto mask = ReadUmask()) {
        mode = 0666 & ~*mask;
    }
    if (mode && ::fchmod(fd, *mode) != 0) error = errno;
    for (std::size_t done = 0; error == 0 && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) error = n < 0 ? errno : EIO;
        else done += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temp.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temp.c_str());
    return error == 0 ? std::error_code() : std::error_code(error, std::generic_category());
}

}  // namespace holvane
