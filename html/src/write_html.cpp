#include "atrium/html/write_html.hpp"

#include <algorithm>

#include "boot_script.hpp"
#include "embed_text.hpp"
#include "extern_protos.hpp"
#include "file_replace.hpp"
#include "viewer_page.hpp"
#include "xite_runtime.hpp"

namespace atrium::html {
namespace fs = std::filesystem;

namespace {

bool IsText(const std::string& type) {
    return type.starts_with("text/") || type == "model/vrml" || type == "application/json" || type == "image/svg+xml";
}

// The JSON element the page's first script reads (see boot.js).
std::string EmbeddedJson(const std::string& world, const std::vector<EmbeddedFile>& files) {
    std::string json = "{\"world\":" + JsonString(world) + ",\"files\":[";
    for (size_t i = 0; i < files.size(); ++i) {
        const auto& file = files[i];
        json += (i ? ",\n" : "\n") + std::string("{\"url\":") + JsonString(file.url);
        if (!file.type.empty()) json += ",\"type\":" + JsonString(file.type);
        if (file.type.empty()) json += ",\"sameAs\":" + JsonString(file.bytes);
        else if (IsText(file.type)) json += ",\"text\":" + JsonString(file.bytes);
        else json += ",\"base64\":\"" + Base64(file.bytes) + "\"";
        json += "}";
    }
    return json + "]}";
}

std::string ImportMap(const std::vector<EmbeddedFile>& modules) {
    std::string json = "{\"imports\":{";
    for (size_t i = 0; i < modules.size(); ++i)
        json += (i ? ",\n" : "\n") + JsonString(modules[i].url) + ":" + JsonString(DataUrl(modules[i].type, modules[i].bytes));
    return json + "}}";
}

// The world's name as a URL path segment of its own: characters that would end or escape it
// become "_".
std::string WorldUrl(std::string name) {
    std::replace_if(name.begin(), name.end(), [](char c) { return c == '#' || c == '?' || c == '%' || c == '/' || c == '\\'; }, '_');
    return name.empty() ? "chart.wrl" : name;
}

}  // namespace

std::string WriteHtml(std::string_view worldText, const fs::path& protoDir, const fs::path& viewerDir,
                      const HtmlOptions& options) {
    std::string world = WorldUrl(options.worldName);
    std::vector<EmbeddedFile> files{{world, "model/vrml", std::string(worldText)}};
    auto protos = ProtoFiles(worldText, options.worldFolder, protoDir);
    std::vector<std::string_view> texts{worldText};
    for (const auto& proto : protos) texts.push_back(proto.bytes);
    XiteParts xite = LoadXiteParts(viewerDir / "x_ite", texts);
    files.insert(files.end(), std::make_move_iterator(protos.begin()), std::make_move_iterator(protos.end()));
    files.insert(files.end(), std::make_move_iterator(xite.fetched.begin()), std::make_move_iterator(xite.fetched.end()));

    // The viewer's modules are known only once the page is read, and the import map that
    // lists them goes before its scripts: the head is put in place afterwards.
    static constexpr std::string_view kHeadMark = "<!--atrium-head-->";
    ViewerPage page = InlineViewerPage(viewerDir, xite.module, std::string(kHeadMark));
    std::vector<EmbeddedFile> modules = std::move(xite.imported);
    modules.insert(modules.end(), page.imported.begin(), page.imported.end());
    // X_ITE makes its asset URLs from its own script's address, and takes the minified
    // components when that address names a minified build: the page's base address names
    // one beside the page, so the URLs it asks for are those of the import map and the
    // embedded files, while every relative URL still means the page's own folder.
    std::string head = "<base href=\"x_ite.min.mjs\">\n<script type=\"application/json\" id=\"atrium-embedded\">" + EmbeddedJson(world, files) +
                       "</script>\n<script>\n" + ScriptSafe(std::string(kBootScript)) +
                       "</script>\n<script type=\"importmap\">" + ImportMap(modules) + "</script>\n";
    page.html.replace(page.html.find(kHeadMark), kHeadMark.size(), head);
    return std::move(page.html);
}

void SaveHtml(const fs::path& file, std::string_view html) {
    if (std::error_code ec = holvane::ReplaceFile(file, html))
        throw HtmlError("Could not write " + file.string() + ": " + ec.message());
}

void WriteHtmlFile(const fs::path& out, const fs::path& world, const fs::path& protoDir, const fs::path& viewerDir) {
    HtmlOptions options;
    options.worldName = world.filename().string();
    options.worldFolder = world.parent_path().empty() ? fs::path(".") : world.parent_path();
    SaveHtml(out, WriteHtml(ReadFile(world), protoDir, viewerDir, options));
}

}  // namespace atrium::html
