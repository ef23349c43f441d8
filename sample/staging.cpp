#include "staging.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

#include "data_folders.hpp"

namespace atrium_test {
namespace fs = std::filesystem;
using atrium_serve::DataFolder;

namespace {

std::string Why(int error) { return std::strerror(error); }

// Closes a file descriptor when it goes.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

// Copies from to to whole or not at all: the bytes go to a temporary file beside to that is
// renamed over to once complete, and removed when anything fails (a full disk, say), leaving
// to as it was.
void CopyWhole(const fs::path& from, const fs::path& to) {
    Descriptor in{::open(from.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat info {};
    if (in.fd < 0 || ::fstat(in.fd, &info) != 0) throw std::runtime_error("Cannot read " + from.string() + ": " + Why(errno));
    std::string temp = (to.parent_path() / ("." + to.filename().string() + ".XXXXXX")).string();
    Descriptor out{::mkstemp(temp.data())};
    if (out.fd < 0)
        throw std::runtime_error("Cannot write into the folder " + to.parent_path().string() + ": " + Why(errno));

    int error = ::fchmod(out.fd, info.st_mode & 0777) == 0 ? 0 : errno;
    char buffer[65536];
    for (ssize_t got; error == 0 && (got = ::read(in.fd, buffer, sizeof buffer)) != 0;) {
        if (got < 0) {
            if (errno != EINTR) error = errno;
            continue;
        }
        for (ssize_t done = 0; error == 0 && done < got;) {
            ssize_t put = ::write(out.fd, buffer + done, static_cast<std::size_t>(got - done));
            if (put > 0) done += put;
            else if (put < 0 && errno != EINTR) error = errno;
        }
    }
    if (::close(std::exchange(out.fd, -1)) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temp.c_str(), to.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        throw std::runtime_error("Cannot write " + to.string() + ": " + Why(error));
    }
}

// Copies every file below from to the same name below to, each whole or not at all.
void CopyTree(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        const fs::path target = to / fs::relative(entry.path(), from);
        if (entry.is_directory()) fs::create_directories(target);
        else if (entry.is_regular_file()) CopyWhole(entry.path(), target);
    }
}

}  // namespace

void StageViewer(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(DataFolder("protos")))
        if (entry.path().extension() == ".wrl") CopyWhole(entry.path(), folder / entry.path().filename());
    fs::path viewer;
    try {
        viewer = DataFolder("viewer");
    } catch (const std::runtime_error&) {
        return;  // a build without npm has no viewer page
    }
    CopyTree(viewer, folder);
}

}  // namespace atrium_test
