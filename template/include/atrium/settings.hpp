#pragma once
// The per-user settings of the template library: where the proto files and the generated
// worlds live, kept in a small INI file.
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Reads and writes the per-user INI file of the template library.
//
// File format: "[Section]" lines open sections; "Key=Value" lines set keys, with spaces
// around the key and the value ignored; lines starting with ";" or "#" are comments; blank
// lines are allowed; LF or CRLF line ends; a UTF-8 byte order mark is skipped. Section and
// key names compare without regard to ASCII case; when a key occurs twice in a section the
// first wins.
//
// Reading never fails and never touches the file: a missing, empty, unreadable, oversized
// (over 1 MiB) or malformed file (any other kind of line, or a NUL byte) reads as if it held
// no keys, so every key gives its default.
//
// Writing replaces the file atomically: the new text goes to a temporary file beside it,
// which is then renamed over it; the directory is created when missing. The other sections,
// keys, comments and blank lines of a readable file are kept as they were; a malformed file
// is replaced by one holding only the written keys. When the file is a symbolic link, its
// target is replaced and the link kept.
//
// Threads: stores may be read and written from several threads at once; the writes of this
// process are made one at a time, so keys set at once on the same file are all kept.
class SettingsStore {
public:
    static constexpr std::string_view kSection = "ProtoPath";  // section of the two keys
    static constexpr std::string_view kProtoDirKey = "ProtoDir";   // proto directory or URL
    static constexpr std::string_view kOutputDirKey = "OutputDir"; // VRML output directory
    static constexpr std::string_view kDefaultDir = "C:\\";        // default of both keys

    // Uses the file of the current user (see DefaultPath).
    SettingsStore();
    // Uses the given file.
    explicit SettingsStore(std::filesystem::path file);

    // $XDG_CONFIG_HOME/atrium/ATRIUMTPL.ini when XDG_CONFIG_HOME is an absolute path, else
    // ~/.config/atrium/ATRIUMTPL.ini with ~ from $HOME or the password database; empty when
    // no home directory is known (reads then give defaults and writes fail).
    static std::filesystem::path DefaultPath();

    // The file this store reads and writes.
    const std::filesystem::path& path() const noexcept { return file_; }

    // The value of `key` in `section`, or nothing when the file does not hold it.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // The value of `key` in `section`, or `fallback`.
    std::string Get(std::string_view section, std::string_view key,
                    std::string_view fallback) const;

    // [ProtoPath] ProtoDir, "C:\" when absent.
    std::string ProtoDir() const;
    // [ProtoPath] OutputDir, "C:\" when absent.
    std::string OutputDir() const;

    // Sets `key` in `section` to `value` and writes the file. Spaces around the value are not
    // kept. Throws holvane::Error with number holvane::kInvalidArgument when a name is empty
    // or holds a line break, NUL, "=" (keys), "]" (sections) or starts with "[", ";" or "#",
    // or the value holds a line break or NUL; with number holvane::kWriteFailed when the file
    // cannot be written (the old file is then unchanged).
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Sets [ProtoPath] ProtoDir.
    void SetProtoDir(std::string_view value);
    // Sets [ProtoPath] OutputDir.
    void SetOutputDir(std::string_view value);
    // Sets [ProtoPath] OutputDir and ProtoDir together, in one write.
    void SetProtoLocation(std::string_view outputDir, std::string_view protoDir);

private:
    struct Entry {
        std::string_view section;
        std::string_view key;
        std::string_view value;
    };
    void SetAll(std::initializer_list<Entry> entries);

    std::filesystem::path file_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
