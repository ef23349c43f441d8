#include "viewer_page.hpp"

#include <regex>

#include "atrium/html/write_html.hpp"
#include "embed_text.hpp"

namespace atrium::html {
namespace fs = std::filesystem;

namespace {

using Rewrite = std::string (*)(const std::smatch&, const fs::path&);

// text with every match of pattern replaced by rewrite(match, folder).
std::string ReplaceAll(const std::string& text, const std::regex& pattern, Rewrite rewrite, const fs::path& folder) {
    std::string out;
    auto last = text.cbegin();
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) {
        out.append(last, (*it)[0].first);
        out += rewrite(*it, folder);
        last = (*it)[0].second;
    }
    return out.append(last, text.cend());
}

bool IsRelative(const std::string& url) {
    static const std::regex kAbsolute(R"re(^(?:[A-Za-z][A-Za-z0-9+.-]*:|/|#))re");
    return !url.empty() && !std::regex_search(url, kAbsolute);
}

std::string DataUrlOf(const fs::path& file) { return DataUrl(MediaType(file), ReadFile(file)); }

// A style sheet with the files it names (url(...), relative to it) as data: URLs.
std::string InlineStyle(const fs::path& file) {
    static const std::regex kUrl(R"re(url\(\s*(["']?)([^)"']+)\1\s*\))re");
    return ReplaceAll(ReadFile(file), kUrl, [](const std::smatch& m, const fs::path& folder) {
        return IsRelative(m[2].str()) ? "url(" + DataUrlOf(folder / m[2].str()) + ")" : m[0].str();
    }, file.parent_path());
}

// A module's relative imports ("./x.js", "../x.js") as import-map specifiers.
std::string RewriteImports(const std::string& source, const fs::path& moduleFolder) {
    static const std::regex kImport(R"re(((?:\bfrom|\bimport)\s*\(?\s*)(["'])(\.\.?/[^"']+)\2)re");
    return ReplaceAll(source, kImport, [](const std::smatch& m, const fs::path& folder) {
        fs::path target = (folder / m[3].str()).lexically_normal();
        if (target.empty() || *target.begin() == "..") return m[0].str();
        return m[1].str() + m[2].str() + std::string(kViewerModules) + target.generic_string() + m[2].str();
    }, moduleFolder);
}

std::string Attribute(const std::string& tag, const std::string& name) {
    std::regex pattern("\\s" + name + R"re(\s*=\s*(?:"([^"]*)\"|'([^']*)'|([^\s>]+)))re", std::regex::icase);
    std::smatch m;
    if (!std::regex_search(tag, m, pattern)) return {};
    return m[1].matched ? m[1].str() : m[2].matched ? m[2].str() : m[3].str();
}

}  // namespace

ViewerPage InlineViewerPage(const fs::path& viewerDir, const std::string& xiteModule, const std::string& head) {
    ViewerPage page;
    std::string html = ReadFile(viewerDir / "index.html");
    // Comments go first: the page's describe its folder layout, which this file no longer has.
    html = std::regex_replace(html, std::regex(R"re(<!--[\s\S]*?-->\s*)re"), "");

    static const std::regex kScript(R"re(<script\b([^>]*)>([\s\S]*?)</script\s*>)re", std::regex::icase);
    static const std::regex kLink(R"re(<link\b[^>]*>)re", std::regex::icase);
    static const std::regex kOtherTag(R"re(<(?!script\b)[a-z][^>]*>)re", std::regex::icase);

    // Style sheets inline; other links keep their (data:) URLs.
    html = ReplaceAll(html, kLink, [](const std::smatch& m, const fs::path& folder) {
        std::string tag = m[0].str(), href = Attribute(tag, "href");
        if (std::regex_search(Attribute(tag, "rel"), std::regex("stylesheet", std::regex::icase)) && IsRelative(href))
            return "<style>\n" + InlineStyle(folder / href) + "</style>";
        return tag;
    }, viewerDir);

    // Any other file a tag names (an image, an icon) as a data: URL.
    html = ReplaceAll(html, kOtherTag, [](const std::smatch& m, const fs::path& folder) {
        static const std::regex kSource(R"re((\s(?:src|href)\s*=\s*)(["'])([^"']*)\2)re", std::regex::icase);
        std::string tag = m[0].str();
        return ReplaceAll(tag, kSource, [](const std::smatch& a, const fs::path& base) {
            return IsRelative(a[3].str()) ? a[1].str() + a[2].str() + DataUrlOf(base / a[3].str()) + a[2].str()
                                          : a[0].str();
        }, folder);
    }, viewerDir);

    // Scripts: X_ITE's becomes its module build; the viewer's modules come from the import map.
    std::string out;
    auto last = html.cbegin();
    bool headPlaced = false;
    for (std::sregex_iterator it(html.begin(), html.end(), kScript), end; it != end; ++it) {
        const auto& m = *it;
        out.append(last, m[0].first);
        last = m[0].second;
        if (!headPlaced) out += head, headPlaced = true;
        std::string attributes = m[1].str(), src = Attribute("<" + attributes, "src");
        bool module = std::regex_search(Attribute("<" + attributes, "type"), std::regex("module", std::regex::icase));
        if (src.empty()) {
            out += m[0].str();
        } else if (!IsRelative(src)) {
            throw HtmlError("The viewer page loads a script from outside its folder: " + src);
        } else if (fs::path(src).filename() == "x_ite.min.js") {
            out += "<script type=\"module\">\n" + ScriptSafe(xiteModule) + "</script>";
        } else if (module) {
            out += "<script type=\"module\">import \"" + std::string(kViewerModules) +
                   fs::path(src).lexically_normal().generic_string() + "\";</script>";
        } else {
            out += "<script>\n" + ScriptSafe(ReadFile(viewerDir / src)) + "</script>";
        }
    }
    out.append(last, html.cend());
    if (!headPlaced) throw HtmlError("The viewer page " + (viewerDir / "index.html").string() + " has no scripts");

    page.html = std::move(out);

    for (auto it = fs::recursive_directory_iterator(viewerDir); it != fs::recursive_directory_iterator(); ++it) {
        if (it->is_directory() && it->path().filename() == "x_ite") {
            it.disable_recursion_pending();
            continue;
        }
        std::string extension = it->path().extension().string();
        if (!it->is_regular_file() || (extension != ".js" && extension != ".mjs")) continue;
        fs::path relative = it->path().lexically_relative(viewerDir);
        page.imported.push_back({std::string(kViewerModules) + relative.generic_string(), "text/javascript",
                                 RewriteImports(ReadFile(it->path()), relative.parent_path())});
    }
    return page;
}

}  // namespace atrium::html
