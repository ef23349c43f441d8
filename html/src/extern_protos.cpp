#include "extern_protos.hpp"

#include <cctype>
#include <set>

#include "atrium/html/write_html.hpp"
#include "embed_text.hpp"

namespace atrium::html {
namespace fs = std::filesystem;

namespace {

// A reader over VRML text that steps over white space (commas included) and comments.
struct Reader {
    std::string_view text;
    size_t at = 0;

    bool AtEnd() const { return at >= text.size(); }
    void SkipBlank() {
        while (!AtEnd()) {
            char c = text[at];
            if (c == '#') {
                while (!AtEnd() && text[at] != '\n' && text[at] != '\r') ++at;
            } else if (std::isspace(static_cast<unsigned char>(c)) || c == ',') {
                ++at;
            } else {
                return;
            }
        }
    }
    // Reads the string starting at the opening quote, unescaping \" and \\.
    std::string String() {
        std::string value;
        for (++at; !AtEnd() && text[at] != '"'; ++at) {
            if (text[at] == '\\' && at + 1 < text.size()) ++at;
            value += text[at];
        }
        ++at;
        return value;
    }
    bool Word(std::string_view word) const {
        auto isName = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
        return text.compare(at, word.size(), word) == 0 && (at == 0 || !isName(text[at - 1])) &&
               (at + word.size() >= text.size() || !isName(text[at + word.size()]));
    }
    // Steps over a bracketed list from its "[" to its matching "]".
    void SkipBrackets() {
        int depth = 0;
        while (!AtEnd()) {
            char c = text[at];
            if (c == '"') {
                String();
                continue;
            }
            if (c == '#') {
                SkipBlank();
                continue;
            }
            ++at;
            if (c == '[') ++depth;
            if (c == ']' && --depth == 0) return;
        }
    }
};

std::string WithoutFragment(const std::string& url) { return url.substr(0, url.find('#')); }

// True for "http:", "file:" and the like; a drive letter ("C:") is no scheme.
bool HasScheme(std::string_view url) {
    size_t colon = url.find(':');
    if (colon == std::string_view::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(url[0]))) return false;
    for (size_t i = 1; i < colon; ++i)
        if (!std::isalnum(static_cast<unsigned char>(url[i])) && url[i] != '+' && url[i] != '-' && url[i] != '.')
            return false;
    return true;
}

std::string FileName(std::string_view url) {
    size_t slash = url.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? url : url.substr(slash + 1));
}

// The URL of `url` named by the file at key `from`, relative to the world when it can be.
std::string JoinUrl(const std::string& from, const std::string& url) {
    if (HasScheme(url) || url.starts_with('/') || url.starts_with('\\')) return url;
    size_t slash = from.find_last_of("/\\");
    return slash == std::string::npos ? url : from.substr(0, slash + 1) + url;
}

// The places a proto file URL may be on disk, in the order they are tried.
std::vector<fs::path> Candidates(const std::string& url, const fs::path& folder, const fs::path& protoDir) {
    std::vector<fs::path> places;
    if (url.starts_with("file://")) {
        places.emplace_back(url.substr(7));
    } else if (!HasScheme(url) && !url.empty()) {
        fs::path path(url);
        if (path.is_absolute()) places.push_back(path);
        else if (!folder.empty()) places.push_back(folder / path);
    }
    std::string name = FileName(url);
    if (!name.empty()) places.push_back(protoDir / name);
    return places;
}

struct Collector {
    const fs::path& protoDir;
    std::vector<EmbeddedFile> files;
    std::set<std::string> seen;

    // Embeds the files named by the EXTERNPROTOs of `text`, a file at key `key` in `folder`.
    void Collect(std::string_view text, const std::string& key, const fs::path& folder) {
        for (const auto& urls : ExternProtoUrls(text)) {
            std::vector<std::string> keys;
            for (const auto& url : urls) keys.push_back(JoinUrl(key, WithoutFragment(url)));
            bool known = false;
            for (const auto& k : keys) known = known || seen.count(k);
            if (known) {
                seen.insert(keys.begin(), keys.end());
                continue;
            }
            auto [file, tried] = Find(urls, folder);
            if (file.empty()) throw HtmlError("Cannot find the proto file of EXTERNPROTO \"" + Joined(urls) +
                                              "\"; looked for " + tried);
            std::string bytes = ReadFile(file);
            seen.insert(keys.begin(), keys.end());
            // Every URL of the list is answered with the file, whichever one the browser tries.
            for (const auto& k : keys) files.push_back({k, "model/vrml", bytes});
            Collect(bytes, keys.front(), file.parent_path());
        }
    }

    std::pair<fs::path, std::string> Find(const std::vector<std::string>& urls, const fs::path& folder) const {
        std::string tried;
        for (const auto& url : urls) {
            for (const auto& place : Candidates(WithoutFragment(url), folder, protoDir)) {
                std::error_code ec;
                if (fs::is_regular_file(place, ec)) return {place, tried};
                tried += (tried.empty() ? "" : ", ") + place.string();
            }
        }
        return {fs::path(), tried.empty() ? std::string("nothing (no usable URL)") : tried};
    }

    static std::string Joined(const std::vector<std::string>& urls) {
        std::string all;
        for (const auto& url : urls) all += (all.empty() ? "" : " ") + url;
        return all;
    }
};

}  // namespace

std::vector<std::vector<std::string>> ExternProtoUrls(std::string_view vrml) {
    std::vector<std::vector<std::string>> lists;
    Reader in{vrml};
    while (!in.AtEnd()) {
        char c = in.text[in.at];
        if (c == '"') {
            in.String();
        } else if (c == '#') {
            in.SkipBlank();
        } else if (in.Word("EXTERNPROTO")) {
            in.at += 11;
            in.SkipBlank();
            while (!in.AtEnd() && !std::isspace(static_cast<unsigned char>(in.text[in.at])) && in.text[in.at] != '[')
                ++in.at;  // the proto's name
            in.SkipBlank();
            in.SkipBrackets();  // the interface
            in.SkipBlank();
            std::vector<std::string> urls;
            if (!in.AtEnd() && in.text[in.at] == '"') {
                urls.push_back(in.String());
            } else if (!in.AtEnd() && in.text[in.at] == '[') {
                for (++in.at, in.SkipBlank(); !in.AtEnd() && in.text[in.at] == '"'; in.SkipBlank())
                    urls.push_back(in.String());
            }
            lists.push_back(std::move(urls));
        } else {
            ++in.at;
        }
    }
    return lists;
}

std::vector<EmbeddedFile> ProtoFiles(std::string_view worldText, const fs::path& worldFolder, const fs::path& protoDir) {
    Collector collector{protoDir, {}, {}};
    collector.Collect(worldText, "", worldFolder);
    return std::move(collector.files);
}

}  // namespace atrium::html
