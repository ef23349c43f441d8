#include "atrium/settings.hpp"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "file_replace.hpp"
#include "holvane/error.hpp"

namespace atrium {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxFileSize = 1u << 20;
constexpr const char* kFileName = "ATRIUMTPL.ini";

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// One line of the file, kept verbatim unless a write replaces it.
struct Line {
    enum class Type { Other, Section, Key } type = Type::Other;  // Other: blank or comment
    std::string text;
    std::string name;   // section or key name, trimmed
    std::string value;  // key value, trimmed
};

// Parses the whole text; nothing when any line is malformed.
std::optional<std::vector<Line>> Parse(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) return std::nullopt;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<Line> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (raw.ends_with('\r')) raw.remove_suffix(1);

        Line line;
        line.text = std::string(raw);
        const std::string_view body = Trim(raw);
        if (body.empty() || body.front() == ';' || body.front() == '#') {
            line.type = Line::Type::Other;
        } else if (body.front() == '[') {
            if (body.back() != ']') return std::nullopt;
            const std::string_view name = Trim(body.substr(1, body.size() - 2));
            if (name.empty()) return std::nullopt;
            line.type = Line::Type::Section;
            line.name = std::string(name);
        } else {
            const auto eq = body.find('=');
            if (eq == std::string_view::npos) return std::nullopt;
            const std::string_view key = Trim(body.substr(0, eq));
            if (key.empty()) return std::nullopt;
            line.type = Line::Type::Key;
            line.name = std::string(key);
            line.value = std::string(Trim(body.substr(eq + 1)));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// The whole file when it is a readable regular file of reasonable size.
std::optional<std::string> ReadFile(const fs::path& file) {
    if (file.empty()) return std::nullopt;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> result;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::size_t>(st.st_size) <= kMaxFileSize) {
        std::string text;
        char buffer[8192];
        bool ok = true;
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n == 0) break;
            if (n < 0) {
                if (errno == EINTR) continue;
                ok = false;
                break;
            }
            text.append(buffer, static_cast<std::size_t>(n));
            if (text.size() > kMaxFileSize) {
                ok = false;
                break;
            }
        }
        if (ok) result = std::move(text);
    }
    ::close(fd);
    return result;
}

std::optional<std::vector<Line>> Load(const fs::path& file) {
    const auto text = ReadFile(file);
    if (!text) return std::nullopt;
    return Parse(*text);
}

bool HasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

void CheckName(std::string_view name, std::string_view forbidden, const char* what) {
    if (name.empty() || HasLineBreakOrNul(name) || Trim(name) != name ||
        name.find_first_of(forbidden) != std::string_view::npos || name.front() == '[' ||
        name.front() == ';' || name.front() == '#') {
        throw holvane::Error(holvane::kInvalidArgument,
                             std::string("Invalid settings ") + what + " name");
    }
}

[[noreturn]] void FailWrite(const fs::path& file, int error) {
    throw holvane::Error(holvane::kWriteFailed, "Cannot write settings file " + file.string() +
                                                    ": " + std::strerror(error));
}

// Writes `text` over `file` atomically, creating its directory when missing.
void ReplaceFile(const fs::path& file, const std::string& text) {
    if (file.empty()) {
        throw holvane::Error(holvane::kWriteFailed, "Cannot write settings: no file location");
    }
    if (const fs::path dir = file.parent_path(); !dir.empty()) {
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (ec) FailWrite(file, ec.value());
    }
    if (const std::error_code ec = holvane::ReplaceFile(file, text)) FailWrite(file, ec.value());
}

// Sets one key in the parsed lines, keeping everything else in place.
void Apply(std::vector<Line>& lines, std::string_view section, std::string_view key,
           std::string_view value) {
    std::string text = std::string(key) + "=" + std::string(Trim(value));
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::string_view current;
    std::size_t header = kNone;  // first header of the section
    std::size_t insertAt = kNone;
    bool inFirst = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Line& line = lines[i];
        if (line.type == Line::Type::Section) {
            current = line.name;
            inFirst = false;
            if (header == kNone && EqualNoCase(current, section)) {
                header = i;
                insertAt = i + 1;
                inFirst = true;
            }
        } else if (line.type == Line::Type::Key && EqualNoCase(current, section)) {
            if (EqualNoCase(line.name, key)) {  // the first occurrence is the one read
                line.text = std::move(text);
                line.value = std::string(Trim(value));
                return;
            }
            if (inFirst) insertAt = i + 1;  // new keys go after the last key of the section
        }
    }

    Line added;
    added.type = Line::Type::Key;
    added.text = std::move(text);
    added.name = std::string(key);
    added.value = std::string(Trim(value));
    if (header != kNone) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(added));
        return;
    }
    if (!lines.empty() && !Trim(lines.back().text).empty()) lines.push_back(Line{});
    Line head;
    head.type = Line::Type::Section;
    head.text = "[" + std::string(section) + "]";
    head.name = std::string(section);
    lines.push_back(std::move(head));
    lines.push_back(std::move(added));
}

}  // namespace

SettingsStore::SettingsStore() : file_(DefaultPath()) {}

SettingsStore::SettingsStore(fs::path file) : file_(std::move(file)) {}

fs::path SettingsStore::DefaultPath() {
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        base = fs::path(home) / ".config";
    } else {
        struct passwd entry {};
        struct passwd* found = nullptr;
        std::vector<char> buffer(16384);
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
            found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] != '\0') {
            base = fs::path(found->pw_dir) / ".config";
        }
    }
    if (base.empty()) return {};
    return base / "atrium" / kFileName;
}

std::optional<std::string> SettingsStore::Find(std::string_view section,
                                               std::string_view key) const {
    const auto lines = Load(file_);
    if (!lines) return std::nullopt;
    std::string_view current;
    for (const Line& line : *lines) {
        if (line.type == Line::Type::Section) {
            current = line.name;
        } else if (line.type == Line::Type::Key && EqualNoCase(current, section) &&
                   EqualNoCase(line.name, key)) {
            return line.value;
        }
    }
    return std::nullopt;
}

std::string SettingsStore::Get(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
    auto value = Find(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

std::string SettingsStore::ProtoDir() const { return Get(kSection, kProtoDirKey, kDefaultDir); }

std::string SettingsStore::OutputDir() const {
    return Get(kSection, kOutputDirKey, kDefaultDir);
}

void SettingsStore::Set(std::string_view section, std::string_view key, std::string_view value) {
    SetAll({{section, key, value}});
}

void SettingsStore::SetProtoDir(std::string_view value) {
    SetAll({{kSection, kProtoDirKey, value}});
}

void SettingsStore::SetOutputDir(std::string_view value) {
    SetAll({{kSection, kOutputDirKey, value}});
}

void SettingsStore::SetProtoLocation(std::string_view outputDir, std::string_view protoDir) {
    SetAll({{kSection, kOutputDirKey, outputDir}, {kSection, kProtoDirKey, protoDir}});
}

void SettingsStore::SetAll(std::initializer_list<Entry> entries) {
    for (const Entry& entry : entries) {
        CheckName(entry.section, "]", "section");
        CheckName(entry.key, "=", "key");
        if (HasLineBreakOrNul(entry.value)) {
            throw holvane::Error(holvane::kInvalidArgument,
                                 "Invalid settings value: it holds a line break");
        }
    }
    // Read, change and write as one step, so two threads setting keys of the same file keep
    // both keys. Readers need no lock: the file is replaced by a rename, never rewritten.
    static std::mutex writing;
    const std::lock_guard<std::mutex> guard(writing);
    std::vector<Line> lines = Load(file_).value_or(std::vector<Line>{});
    for (const Entry& entry : entries) Apply(lines, entry.section, entry.key, entry.value);

    std::string text;
    for (const Line& line : lines) {
        text += line.text;
        text += '\n';
    }
    ReplaceFile(file_, text);
}

}  // namespace atrium
