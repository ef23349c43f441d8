#include "embed_text.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <sstream>
#include <utility>

#include "atrium/html/write_html.hpp"

namespace atrium::html {

std::string Base64(std::string_view bytes) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    auto at = [&](size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(bytes[k])); };
    for (; i + 3 <= bytes.size(); i += 3) {
        unsigned v = at(i) << 16 | at(i + 1) << 8 | at(i + 2);
        for (int shift : {18, 12, 6, 0}) out += kDigits[(v >> shift) & 63];
    }
    size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned v = at(i) << 16 | (rest == 2 ? at(i + 1) << 8 : 0);
        out += kDigits[(v >> 18) & 63];
        out += kDigits[(v >> 12) & 63];
        out += rest == 2 ? kDigits[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string DataUrl(std::string_view type, std::string_view bytes) {
    return "data:" + std::string(type) + ";base64," + Base64(bytes);
}

std::string JsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    out.reserve(text.size() + text.size() / 8 + 2);
    for (char c : text) {
        auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20 || c == '<') {
                out += "\\u00";
                out += kHex[u >> 4];
                out += kHex[u & 15];
            } else {
                out += c;
            }
        }
    }
    return out += '"';
}

std::string ScriptSafe(std::string text) {
    static constexpr std::string_view kEnd = "</script";
    for (size_t at = 0; at + kEnd.size() <= text.size(); ++at) {
        bool end = std::equal(kEnd.begin(), kEnd.end(), text.begin() + static_cast<std::ptrdiff_t>(at),
                              [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
        if (end) text.insert(at + 1, "\\");
    }
    return text;
}

std::string_view MediaType(const std::filesystem::path& file) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kTypes{{
        {".js", "text/javascript"}, {".mjs", "text/javascript"}, {".css", "text/css"},
        {".wrl", "model/vrml"}, {".wasm", "application/wasm"}, {".woff2", "font/woff2"},
        {".png", "image/png"}, {".svg", "image/svg+xml"}, {".json", "application/json"},
        {".html", "text/html"}, {".jpg", "image/jpeg"}, {".gif", "image/gif"},
    }};
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& [ending, type] : kTypes)
        if (ending == extension) return type;
    return "application/octet-stream";
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) {
        // An empty file makes operator<< fail without being unreadable.
        std::error_code ec;
        if (in && std::filesystem::file_size(file, ec) == 0 && !ec) return {};
        throw HtmlError("Cannot read " + file.string());
    }
    return std::move(text).str();
}

}  // namespace atrium::html
