#include "xite_runtime.hpp"

#include <array>
#include <optional>
#include <regex>
#include <set>

#include "atrium/html/write_html.hpp"
#include "embed_text.hpp"

namespace atrium::html {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kModuleBuild = "x_ite.min.mjs";
constexpr std::string_view kStyleSheet = "x_ite.css";
constexpr std::string_view kTextComponent = "assets/components/TextComponent.min.js";
constexpr std::string_view kFontDecoder = "assets/lib/woff2_decoder.js";

// The components X_ITE imports for every VRML 97 world (its VRML parser adds the
// EnvironmentalSensor, PointingDeviceSensor, Scripting, Sound and Text components to the
// Interchange profile; only these two are files of their own, the others are built in).
constexpr std::array<std::string_view, 2> kVrmlComponents = {
    "assets/components/ScriptingComponent.min.js", kTextComponent};

// Libraries X_ITE fetches for any world: the tangent generator of its shading.
constexpr std::array<std::string_view, 1> kLibraries = {"assets/lib/mikktspace_bg.wasm"};

// X_ITE's font for each FontStyle family and style.
struct Font {
    std::string_view family, style, file;
};
constexpr std::array<Font, 12> kFonts{{
    {"SERIF", "PLAIN", "Droid/DroidSerif-Regular.woff2"},
    {"SERIF", "ITALIC", "Droid/DroidSerif-Italic.woff2"},
    {"SERIF", "BOLD", "Droid/DroidSerif-Bold.woff2"},
    {"SERIF", "BOLDITALIC", "Droid/DroidSerif-BoldItalic.woff2"},
    {"SANS", "PLAIN", "Ubuntu/Ubuntu-R.woff2"},
    {"SANS", "ITALIC", "Ubuntu/Ubuntu-RI.woff2"},
    {"SANS", "BOLD", "Ubuntu/Ubuntu-B.woff2"},
    {"SANS", "BOLDITALIC", "Ubuntu/Ubuntu-BI.woff2"},
    {"TYPEWRITER", "PLAIN", "Ubuntu/UbuntuMono-R.woff2"},
    {"TYPEWRITER", "ITALIC", "Ubuntu/UbuntuMono-RI.woff2"},
    {"TYPEWRITER", "BOLD", "Ubuntu/UbuntuMono-B.woff2"},
    {"TYPEWRITER", "BOLDITALIC", "Ubuntu/UbuntuMono-BI.woff2"},
}};

// The faces of X_ITE's own user-interface font (FontFace "X_ITE PT Sans"): the regular one
// is embedded and stands in for the others, which the browser then slants and thickens itself.
constexpr std::string_view kUiFont = "PT_Sans/PTSans-Regular.woff2";
constexpr std::array<std::string_view, 2> kUiFontStandIns = {"PT_Sans/PTSans-Bold.woff2", "PT_Sans/PTSans-Italic.woff2"};

// What the module build and the text component must contain for the above to hold.
struct Marker {
    std::string_view file, text, why;
};
constexpr std::array<Marker, 9> kMarkers{{
    {kModuleBuild, "\"X_ITE PT Sans\"", "it adds the font faces of its user interface with FontFace"},
    {kModuleBuild, "import.meta.url", "its asset URLs are made from import.meta.url"},
    {kModuleBuild, "assets/components/", "its components are imported from assets/components/"},
    {kModuleBuild, "assets/fonts/", "its fonts are fetched from assets/fonts/"},
    {kModuleBuild, "assets/lib/", "its libraries are fetched from assets/lib/"},
    {kModuleBuild, "\"x_ite.css\"", "its style sheet is linked as x_ite.css"},
    {kModuleBuild, R"re(["EnvironmentalSensor","PointingDeviceSensor","Scripting","Sound","Text"])re",
     "a VRML 97 world loads the Scripting and Text components"},
    {kModuleBuild, "mikktspace_bg.wasm", "it fetches the tangent library mikktspace_bg.wasm"},
    {kTextComponent, "woff2_decoder.js", "fonts are decoded by assets/lib/woff2_decoder.js"},
}};

// The module build ends by exporting X3D as its default ("export{NAME as default};"): where
// that statement starts and NAME, or nothing when it does not end so.
std::optional<std::pair<size_t, std::string>> DefaultExport(std::string_view module) {
    static const std::regex kExport(R"re(^export\s*\{\s*([A-Za-z_$][\w$]*)\s+as\s+default\s*\}\s*;?\s*$)re");
    size_t at = module.rfind("export");
    std::match_results<std::string_view::const_iterator> match;
    if (at == std::string_view::npos || !std::regex_search(module.begin() + static_cast<std::ptrdiff_t>(at),
                                                           module.end(), match, kExport))
        return std::nullopt;
    return std::pair{at, match[1].str()};
}

std::string FontUrl(const Font& font) { return "assets/fonts/" + std::string(font.file); }

// The fonts Text nodes of these texts may use: each family and style a FontStyle (or a
// script building one) names, and X_ITE's default (SERIF, PLAIN); none without Text nodes.
std::vector<const Font*> FontsUsed(const std::vector<std::string_view>& texts) {
    static const std::regex kText(R"re(\bText\s*\{)re");
    static const std::regex kFamily(R"re(\bfamily\s*\[?\s*\\?\"(SERIF|SANS|TYPEWRITER)\b)re");
    static const std::regex kStyle(R"re(\bstyle\s*\\?\"(PLAIN|BOLD|ITALIC|BOLDITALIC)\b)re");
    std::set<std::string> families{"SERIF"}, styles{"PLAIN"};
    bool text = false;
    for (auto part : texts) {
        text = text || std::regex_search(part.begin(), part.end(), kText);
        for (const auto& [pattern, found] : {std::pair{&kFamily, &families}, std::pair{&kStyle, &styles}})
            for (std::cregex_iterator it(part.begin(), part.end(), *pattern), end; it != end; ++it)
                found->insert((*it)[1].str());
    }
    std::vector<const Font*> fonts;
    if (!text) return fonts;
    for (const auto& font : kFonts)
        if (families.count(std::string(font.family)) && styles.count(std::string(font.style))) fonts.push_back(&font);
    return fonts;
}

EmbeddedFile Embedded(const fs::path& xiteDir, std::string_view url) {
    fs::path file = xiteDir / url;
    return {std::string(url), std::string(MediaType(file)), ReadFile(file)};
}

// The style sheet with the images it names (url(...), relative to it) inlined as data: URLs.
std::string StyleSheet(const fs::path& xiteDir) {
    static const std::regex kUrl(R"re(url\(\s*([^)"':]+)\s*\))re");
    std::string css = ReadFile(xiteDir / kStyleSheet), out;
    auto last = css.cbegin();
    for (std::sregex_iterator it(css.begin(), css.end(), kUrl), end; it != end; ++it) {
        out.append(last, (*it)[0].first);
        fs::path image = xiteDir / (*it)[1].str();
        out += "url(" + DataUrl(MediaType(image), ReadFile(image)) + ")";
        last = (*it)[0].second;
    }
    return out.append(last, css.cend());
}

}  // namespace

std::vector<std::string> CheckXiteRuntime(const fs::path& xiteDir) {
    std::vector<std::string> problems;
    std::vector<std::string_view> files{kModuleBuild, kStyleSheet, kFontDecoder};
    files.insert(files.end(), kVrmlComponents.begin(), kVrmlComponents.end());
    files.insert(files.end(), kLibraries.begin(), kLibraries.end());
    std::vector<std::string> fonts;
    for (const auto& font : kFonts) fonts.push_back(FontUrl(font));
    fonts.push_back("assets/fonts/" + std::string(kUiFont));
    files.insert(files.end(), fonts.begin(), fonts.end());
    for (auto file : files) {
        std::error_code ec;
        if (!fs::is_regular_file(xiteDir / file, ec)) problems.push_back("missing file " + std::string(file));
    }
    auto read = [&](std::string_view file) {
        try {
            return ReadFile(xiteDir / file);
        } catch (const HtmlError&) {
            return std::string();  // reported as missing above
        }
    };
    std::string module = read(kModuleBuild), text = read(kTextComponent);
    for (const auto& marker : kMarkers) {
        const std::string& content = marker.file == kModuleBuild ? module : text;
        if (!content.empty() && content.find(marker.text) == std::string::npos)
            problems.push_back(std::string(marker.file) + " no longer holds " + std::string(marker.text) + " (" +
                               std::string(marker.why) + ")");
    }
    if (!module.empty() && !DefaultExport(module))
        problems.push_back(std::string(kModuleBuild) + " no longer ends by exporting X3D as its default");
    for (auto face : kUiFontStandIns)
        if (!module.empty() && module.find("\"" + std::string(face) + "\"") == std::string::npos)
            problems.push_back(std::string(kModuleBuild) + " no longer names its interface font " + std::string(face));
    for (const auto& font : kFonts)
        if (!text.empty() && text.find("\"" + std::string(font.file) + "\"") == std::string::npos)
            problems.push_back(std::string(kTextComponent) + " no longer names the font " + std::string(font.file) +
                               " for " + std::string(font.family) + " " + std::string(font.style));
    return problems;
}

XiteParts LoadXiteParts(const fs::path& xiteDir, const std::vector<std::string_view>& texts) {
    if (auto problems = CheckXiteRuntime(xiteDir); !problems.empty()) {
        std::string message = "The X_ITE runtime in " + xiteDir.string() + " lacks what the page needs:";
        for (const auto& problem : problems) message += "\n  " + problem;
        throw HtmlError(message);
    }
    XiteParts parts;
    // The page's scripts find X3D as a global, as with X_ITE's classic build.
    parts.module = ReadFile(xiteDir / kModuleBuild);
    auto [at, name] = *DefaultExport(parts.module);
    parts.module.replace(at, std::string::npos, "window.X3D = " + name + ";\n");
    // "./": an import-map key is a URL (resolved against the page) only when written as one.
    for (auto url : kVrmlComponents) {
        parts.imported.push_back(Embedded(xiteDir, url));
        parts.imported.back().url.insert(0, "./");
    }
    parts.fetched.push_back({std::string(kStyleSheet), "text/css", StyleSheet(xiteDir)});
    for (auto url : kLibraries) parts.fetched.push_back(Embedded(xiteDir, url));
    std::string uiFont = "assets/fonts/" + std::string(kUiFont);
    parts.fetched.push_back(Embedded(xiteDir, uiFont));
    for (auto face : kUiFontStandIns) parts.fetched.push_back({"assets/fonts/" + std::string(face), "", uiFont});
    auto fonts = FontsUsed(texts);
    if (!fonts.empty()) parts.fetched.push_back(Embedded(xiteDir, kFontDecoder));
    for (const Font* font : fonts) parts.fetched.push_back(Embedded(xiteDir, FontUrl(*font)));
    return parts;
}

}  // namespace atrium::html
