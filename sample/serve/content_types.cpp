#include "content_types.hpp"

#include <algorithm>
#include <cctype>
#include <string>

namespace atrium_serve {
namespace {

struct TypeRow {
    std::string_view extension;
    std::string_view type;
};

// What the worlds, the viewer page and X_ITE's runtime are made of.
constexpr TypeRow kTypes[] = {
    {".wrl", "model/vrml"},
    {".html", "text/html; charset=utf-8"},
    {".js", "text/javascript; charset=utf-8"},
    {".mjs", "text/javascript; charset=utf-8"},
    {".css", "text/css; charset=utf-8"},
    {".json", "application/json"},
    {".png", "image/png"},
    {".jpg", "image/jpeg"},
    {".jpeg", "image/jpeg"},
    {".gif", "image/gif"},
    {".svg", "image/svg+xml"},
    {".woff", "font/woff"},
    {".woff2", "font/woff2"},
    {".ttf", "font/ttf"},
    {".otf", "font/otf"},
    {".wasm", "application/wasm"},
    {".txt", "text/plain; charset=utf-8"},
    {".md", "text/plain; charset=utf-8"},
};

}  // namespace

std::string_view ContentType(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const TypeRow& row : kTypes)
        if (row.extension == extension) return row.type;
    return "application/octet-stream";
}

}  // namespace atrium_serve
