#pragma once
// The proto files a world names in its EXTERNPROTO statements, found on disk for embedding.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "embedded_file.hpp"

namespace atrium::html {

// The URL list of every EXTERNPROTO statement of a VRML text, in order, each URL unescaped as
// the string holds it. Strings and comments elsewhere are skipped, so a Script's source that
// mentions EXTERNPROTO is not taken for one.
std::vector<std::vector<std::string>> ExternProtoUrls(std::string_view vrml);

// The files behind the EXTERNPROTO URLs of worldText and, in turn, of those files, each once,
// keyed by its URL (without its #fragment) relative to the world. A URL is looked up as a path
// from the folder of the file that names it (worldFolder for the world; not when that is
// empty), a file: URL as its path, and else (or when not found) by its file name in protoDir.
// Throws HtmlError naming the EXTERNPROTO URLs and the places tried when none is found.
std::vector<EmbeddedFile> ProtoFiles(std::string_view worldText, const std::filesystem::path& worldFolder,
                                     const std::filesystem::path& protoDir);

}  // namespace atrium::html
