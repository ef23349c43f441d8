// The self-contained page: only data: URLs, the world's proto files found where they are, only
// the fonts the world's texts use, the viewer's modules importing each other through the
// import map, and files written whole or not at all.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "atrium/html/write_html.hpp"
#include "temp_dir.hpp"

namespace fs = std::filesystem;
using atrium::html::HtmlError;
using atrium::html::HtmlOptions;
using atrium::html::WriteHtml;

namespace {

const fs::path kXite = ATRIUM_VIEWER_DIR "/x_ite";
const fs::path kProtos = ATRIUM_PROTO_DIR;

void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::string Read(const fs::path& file) {
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

std::string Base64Decoded(const std::string& text) {
    static const std::string kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    unsigned value = 0;
    int bits = 0;
    for (char c : text) {
        size_t digit = kDigits.find(c);
        if (digit == std::string::npos) break;
        value = value << 6 | static_cast<unsigned>(digit);
        if ((bits += 6) >= 8) out += static_cast<char>((value >> (bits -= 8)) & 0xFF);
    }
    return out;
}

// A viewer folder of its own: a style sheet naming an image, a classic script, a module that
// imports another from a subfolder, and X_ITE's script; X_ITE itself is the build's.
class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::is_directory(kXite)) GTEST_SKIP() << "no viewer in this build (npm missing)";
        viewer_ = dir_.path() / "viewer";
        Write(viewer_ / "index.html",
              "<!DOCTYPE html>\n<!-- the layout: x_ite/x_ite.min.js -->\n<html><head><meta charset=\"utf-8\">\n"
              "<link rel=\"stylesheet\" href=\"page.css\">\n<script defer src=\"x_ite/x_ite.min.js\"></script>\n"
              "<script src=\"classic.js\"></script>\n<script type=\"module\" src=\"main.js\"></script>\n"
              "</head><body><img src=\"dot.png\" alt=\"\"><x3d-canvas id=\"world\"></x3d-canvas></body></html>\n");
        Write(viewer_ / "page.css", "body { background: url(dot.png); }\n");
        Write(viewer_ / "dot.png", "PNG");
        Write(viewer_ / "classic.js", "var classic = \"</script>\";\n");
        Write(viewer_ / "main.js", "import { part } from \"./lib/part.js\";\npart();\n");
        Write(viewer_ / "lib/part.js", "import \"./more.js\";\nexport function part() {}\n");
        Write(viewer_ / "lib/more.js", "\n");
        fs::create_directory_symlink(kXite, viewer_ / "x_ite");
    }

    std::string Page(const std::string& world, const fs::path& worldFolder = {}) {
        HtmlOptions options;
        options.worldName = "sales.wrl";
        options.worldFolder = worldFolder;
        return WriteHtml(world, kProtos, viewer_, options);
    }

    atrium_test::TempDir dir_;
    fs::path viewer_;
};

const std::string kWorld = "#VRML V2.0 utf8\nEXTERNPROTO qrx_CheckBox [ exposedField SFBool value ] "
                           "\"HV_UI.wrl#qrx_CheckBox\"\nShape { geometry Text { string \"Sales\" } }\n";

// The page's markup with the text of its scripts left out, and the import map's targets.
struct Markup {
    std::string tags;
    std::vector<std::string> imported;
};

Markup MarkupOf(const std::string& page) {
    Markup markup;
    size_t at = 0;
    for (size_t open; (open = page.find("<script", at)) != std::string::npos;) {
        size_t body = page.find('>', open) + 1, close = page.find("</script>", body);
        markup.tags += page.substr(at, body - at);
        static const std::string kImportMap = "<script type=\"importmap\">";
        if (page.compare(open, kImportMap.size(), kImportMap) == 0) {
            for (size_t k = body; (k = page.find("\":\"", k)) < close; k += 3)
                markup.imported.push_back(page.substr(k + 3, page.find('"', k + 3) - k - 3));
        }
        at = close;
    }
    markup.tags += page.substr(at);
    return markup;
}

TEST_F(PageTest, NamesNoFileOutsideDataUrls) {
    std::string page = Page(kWorld);
    Markup markup = MarkupOf(page);
    // The base address names no file the page loads: it makes X_ITE's asset URLs those the
    // page answers itself.
    size_t base = markup.tags.find("<base href=\"x_ite.min.mjs\">");
    ASSERT_NE(base, std::string::npos);
    markup.tags.erase(base, 27);
    static const std::regex kReference(R"re(\b(?:src|href)\s*=\s*["']([^"']*)|url\(\s*["']?([^)"']*))re");
    std::vector<std::string> urls = markup.imported;
    for (std::sregex_iterator it(markup.tags.begin(), markup.tags.end(), kReference), end; it != end; ++it)
        urls.push_back((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
    for (const auto& url : urls) EXPECT_TRUE(url.starts_with("data:")) << "the page refers to " << url.substr(0, 80);
    // The style sheet's image, the img, two components and three modules.
    EXPECT_GE(urls.size(), 7u);
    EXPECT_EQ(markup.tags.find("<!--"), std::string::npos) << "the viewer page's comments are left out";
    EXPECT_EQ(page.find("var classic = \"</script>\""), std::string::npos) << "a script cannot end its element";
}

TEST_F(PageTest, ModulesImportEachOtherThroughTheImportMap) {
    std::string page = Page(kWorld);
    std::smatch module;
    auto entry = [&](const std::string& name) {
        std::regex pattern("\"atrium-viewer/" + name + "\":\"data:text/javascript;base64,([^\"]*)\"");
        return std::regex_search(page, module, pattern) ? Base64Decoded(module[1].str()) : std::string("(none)");
    };
    EXPECT_NE(entry("main.js").find("from \"atrium-viewer/lib/part.js\""), std::string::npos) << entry("main.js");
    EXPECT_NE(entry("lib/part.js").find("import \"atrium-viewer/lib/more.js\""), std::string::npos);
    EXPECT_NE(page.find("<script type=\"module\">import \"atrium-viewer/main.js\";</script>"), std::string::npos);
    EXPECT_NE(page.find("window.X3D = "), std::string::npos) << "X_ITE's module build publishes X3D";
}

struct ProtoCase {
    const char* name;
    std::string urls;         // the EXTERNPROTO's URL field
    bool beside;              // a HV_UI.wrl of its own beside the world
    std::string expected;     // text found in the page, or
    std::string error = "";  // the error's text
};

TEST_F(PageTest, ProtoFilesAreFoundBesideTheWorldThenInTheProtoFolder) {
    const std::string besideText = "#VRML V2.0 utf8\n# the copy beside the world\n";
    const std::string installed = "PROTO qrx_CheckBox";
    const ProtoCase cases[] = {
        {"beside first", "\"HV_UI.wrl#qrx_CheckBox\"", true, "the copy beside the world"},
        {"installed when not beside", "\"HV_UI.wrl#qrx_CheckBox\"", false, installed},
        {"relative path elsewhere", "\"../other/HV_UI.wrl\"", false, installed},
        {"web address", "\"http://www.example.com/protos/HV_UI.wrl#x\"", false, installed},
        {"second of a list", "[ \"nowhere/none.wrl\" \"HV_UI.wrl\" ]", false, installed},
        {"missing", "\"missing.wrl#x\"", false, "", "Cannot find the proto file of EXTERNPROTO \"missing.wrl#x\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::path folder = dir_.path() / c.name;
        fs::create_directories(folder);
        if (c.beside) Write(folder / "HV_UI.wrl", besideText);
        std::string world = "#VRML V2.0 utf8\nEXTERNPROTO qrx_CheckBox [ exposedField SFBool value ] " + c.urls +
                            "\nScript { url \"javascript: var s = 'EXTERNPROTO x [ ] \\\"bogus.wrl\\\"';\" }\n";
        if (!c.error.empty()) {
            try {
                Page(world, folder);
                ADD_FAILURE() << "no error";
            } catch (const HtmlError& e) {
                EXPECT_NE(std::string(e.what()).find(c.error), std::string::npos) << e.what();
                EXPECT_NE(std::string(e.what()).find((kProtos / "missing.wrl").string()), std::string::npos) << e.what();
            }
            continue;
        }
        // The Script's string names bogus.wrl in an EXTERNPROTO of its text: no error for it.
        EXPECT_NE(Page(world, folder).find(c.expected), std::string::npos);
    }
}

TEST_F(PageTest, OnlyTheFontsTheTextsUseAreEmbedded) {
    struct {
        const char* name;
        std::string world;
        std::vector<std::string> in, out;
    } cases[] = {
        {"no text", "#VRML V2.0 utf8\nShape { geometry Box {} }\n", {}, {"woff2_decoder.js", "DroidSerif-Regular.woff2"}},
        {"default font", "#VRML V2.0 utf8\nShape { geometry Text { string \"a\" } }\n",
         {"woff2_decoder.js", "DroidSerif-Regular.woff2"}, {"Ubuntu-R.woff2", "DroidSerif-Bold.woff2"}},
        {"sans bold in a script's text",
         "#VRML V2.0 utf8\nScript { url \"javascript: var t = 'Text { fontStyle FontStyle { family \\\"SANS\\\" "
         "style \\\"BOLD\\\" } }';\" }\n",
         {"Ubuntu-R.woff2", "Ubuntu-B.woff2", "DroidSerif-Bold.woff2"}, {"UbuntuMono", "Ubuntu-RI.woff2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string page = Page(c.world);
        for (const auto& name : c.in) EXPECT_NE(page.find(name + "\",\"type\""), std::string::npos) << name;
        for (const auto& name : c.out) EXPECT_EQ(page.find(name + "\",\"type\""), std::string::npos) << name;
    }
}

TEST_F(PageTest, FilesAreWrittenWholeOrNotAtAll) {
    fs::path world = dir_.path() / "w" / "sales.wrl";
    Write(world, kWorld);
    fs::path out = dir_.path() / "w" / "sales.html";
    atrium::html::WriteHtmlFile(out, world, kProtos, viewer_);
    EXPECT_NE(Read(out).find("EXTERNPROTO qrx_CheckBox"), std::string::npos);

    // A world naming a proto file that is nowhere: the old page stays as it was.
    Write(world, "#VRML V2.0 utf8\nEXTERNPROTO x [ ] \"gone.wrl\"\n");
    std::string before = Read(out);
    EXPECT_THROW(atrium::html::WriteHtmlFile(out, world, kProtos, viewer_), HtmlError);
    EXPECT_EQ(Read(out), before);

    // No world, or a folder where the page should go: an error naming the file.
    EXPECT_THROW(atrium::html::WriteHtmlFile(out, dir_.path() / "none.wrl", kProtos, viewer_), HtmlError);
    fs::create_directories(dir_.path() / "taken.html");
    try {
        atrium::html::SaveHtml(dir_.path() / "taken.html", "<!DOCTYPE html>");
        ADD_FAILURE() << "no error";
    } catch (const HtmlError& e) {
        EXPECT_NE(std::string(e.what()).find("Could not write " + (dir_.path() / "taken.html").string()), std::string::npos);
    }
    EXPECT_TRUE(fs::is_directory(dir_.path() / "taken.html"));
}

}  // namespace
