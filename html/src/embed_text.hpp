#pragma once
// Encodings of file contents for embedding them in a page: base64, data: URLs, JSON strings
// safe inside a <script> element, and the media type of a file name.
#include <filesystem>
#include <string>
#include <string_view>

namespace atrium::html {

std::string Base64(std::string_view bytes);

// data:TYPE;base64,... of the bytes.
std::string DataUrl(std::string_view type, std::string_view bytes);

// The text as a JSON string literal (quotes included) that cannot end a <script> element:
// every "<" is written as \u003c.
std::string JsonString(std::string_view text);

// Script text that cannot end its <script> element early ("</script" written "<\/script").
std::string ScriptSafe(std::string text);

// The media type of a file, from its extension (application/octet-stream when unknown).
std::string_view MediaType(const std::filesystem::path& file);

// The whole content of a file; throws HtmlError naming the file when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);

}  // namespace atrium::html
