#pragma once
// The media type the world server sends with a file, chosen by the file's extension.
#include <filesystem>
#include <string_view>

namespace atrium_serve {

// The Content-Type for path's extension (compared without case); "application/octet-stream"
// for an extension the table does not know.
std::string_view ContentType(const std::filesystem::path& path);

}  // namespace atrium_serve
