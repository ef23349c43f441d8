#include "file_reply.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace atrium_serve {
namespace {

constexpr std::size_t kPieceSize = 64 * 1024;

// An open file, shared by the copies of the reply's content provider.
class OpenFile {
public:
    explicit OpenFile(const std::filesystem::path& file) : fd_(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int Fd() const { return fd_; }

private:
    int fd_;
};

// httplib parses the Range header before any handler runs and applies what it parsed to the
// reply after; the request is the server's own object, handed to handlers as const.
httplib::Ranges& RangesOf(const httplib::Request& req) { return const_cast<httplib::Request&>(req).ranges; }

// The byte ranges req's Range header asks for, parsed as httplib parsed them at first (it
// answered a header it cannot parse with 416 before any handler ran).
httplib::Ranges AskedRanges(const httplib::Request& req) {
    httplib::Ranges ranges;
    if (req.has_header("Range")) httplib::detail::parse_range_header(req.get_header_value("Range"), ranges);
    return ranges;
}

// range ("first-last", "first-" or "-suffix", -1 standing for the missing end) as the first
// and last byte of a file of size bytes, or nothing when no byte of the file is in it.
std::optional<httplib::Range> Clamped(httplib::Range range, std::size_t size) {
    auto [first, last] = range;
    const auto end = static_cast<ssize_t>(size);
    if (first < 0) {
        if (last <= 0) return std::nullopt;
        first = std::max<ssize_t>(0, end - last);
        last = end - 1;
    }
    if (last < 0 || last >= end) last = end - 1;
    if (first >= end || last < first) return std::nullopt;
    return httplib::Range{first, last};
}

}  // namespace

void DropRanges(const httplib::Request& req) { RangesOf(req).clear(); }

bool ReplyWithFile(const httplib::Request& req, httplib::Response& res, const std::filesystem::path& file,
                   const std::string& contentType) {
    auto open = std::make_shared<OpenFile>(file);
    struct stat info {};
    if (open->Fd() < 0 || ::fstat(open->Fd(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const auto size = static_cast<std::size_t>(info.st_size);

    httplib::Ranges& ranges = RangesOf(req);
    ranges = AskedRanges(req);
    if (ranges.size() != 1) {
        ranges.clear();
    } else if (auto range = Clamped(ranges.front(), size)) {
        ranges.front() = *range;
    } else {
        ranges.clear();
        res.status = 416;
        res.set_header("Content-Range", "bytes */" + std::to_string(size));
        res.set_content("Range not satisfiable\n", "text/plain; charset=utf-8");
        return true;
    }
    // httplib streams a provider of no length until the provider says done; an empty file needs none.
    if (size == 0) {
        res.set_content(std::string(), contentType);
        return true;
    }
    res.set_content_provider(size, contentType, [open](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
        std::vector<char> piece(std::min(length, kPieceSize));
        ssize_t got = ::pread(open->Fd(), piece.data(), piece.size(), static_cast<off_t>(offset));
        // A file cut short while it is sent ends the reply: the connection closes early.
        return got > 0 && sink.write(piece.data(), static_cast<std::size_t>(got));
    });
    return true;
}

}  // namespace atrium_serve
