#pragma once
// Atomic replacement of a file's whole content, shared by the world writer and the settings store.
// The settings store lives in another library, so this is exported though not installed.
#include <filesystem>
#include <string_view>
#include <system_error>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

// Writes text to a temporary file beside the target and renames it over the target, so readers
// see the old content or the new, never a part. A symbolic link (or a chain of them) is written
// through: its final target is replaced and the link kept. An existing target keeps its
// permission bits; a new one gets 0666 less the umask, read without changing it (0600 where the
// kernel does not report it), so threads may replace files at once. The temporary name stays within the
// directory's file-name limit, so any name that can be created can be replaced. Returns the
// error of the failing step (the target is then unchanged and no temporary file is left), or
// an empty error code.
std::error_code ReplaceFile(const std::filesystem::path& file, std::string_view text);

}  // namespace holvane
ATRIUM_EXPORT_END
