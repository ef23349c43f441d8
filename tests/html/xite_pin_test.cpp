// The pages rely on files and features of the pinned X_ITE package (see package.json): this
// fails, naming each missing piece, when the installed package no longer has them, so an
// upgrade cannot break the pages silently. A copy of the package with one piece broken shows
// that each kind of loss is told.
#include <gtest/gtest.h>

#include <fstream>

#include "atrium/html/write_html.hpp"
#include "temp_dir.hpp"

namespace fs = std::filesystem;
using atrium::html::CheckXiteRuntime;

namespace {

const fs::path kDist = ATRIUM_XITE_DIST;

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& line : lines) all += "\n  " + line;
    return all;
}

TEST(XitePin, PinnedPackageHoldsWhatThePagesRelyOn) {
    if (!fs::is_directory(kDist)) GTEST_SKIP() << "no npm packages in this build";
    auto problems = CheckXiteRuntime(kDist);
    EXPECT_TRUE(problems.empty())
        << "The x_ite package in " << kDist.string()
        << " no longer has what the self-contained pages (atrium::html) rely on. Keep x_ite at the version "
           "pinned in package.json, or adapt html/src/xite_runtime.cpp and html/src/boot.js to the new one:"
        << Joined(problems);
}

TEST(XitePin, EachLossIsNamed) {
    if (!fs::is_directory(kDist)) GTEST_SKIP() << "no npm packages in this build";
    struct {
        const char* name;
        std::string file;     // replaced (or removed when the text is empty)
        std::string text;
        std::string expected;
    } cases[] = {
        {"a component gone", "assets/components/TextComponent.min.js", "",
         "missing file assets/components/TextComponent.min.js"},
        {"the wasm library gone", "assets/lib/mikktspace_bg.wasm", "", "missing file assets/lib/mikktspace_bg.wasm"},
        {"no default export", "x_ite.min.mjs", "import.meta.url assets/components/ assets/fonts/ assets/lib/",
         "x_ite.min.mjs no longer ends by exporting X3D as its default"},
        {"other VRML components", "x_ite.min.mjs", "export{X as default};",
         "a VRML 97 world loads the Scripting and Text components"},
        {"fonts decoded otherwise", "assets/components/TextComponent.min.js", "getFontsURL(\"Droid/DroidSerif-Regular.woff2\")",
         "fonts are decoded by assets/lib/woff2_decoder.js"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        atrium_test::TempDir copy;
        for (const auto& entry : fs::recursive_directory_iterator(kDist)) {
            fs::path target = copy.path() / entry.path().lexically_relative(kDist);
            if (entry.is_directory()) fs::create_directories(target);
            else fs::create_symlink(entry.path(), target);
        }
        fs::remove(copy.path() / c.file);
        if (!c.text.empty()) std::ofstream(copy.path() / c.file) << c.text;
        std::string all = Joined(CheckXiteRuntime(copy.path()));
        EXPECT_NE(all.find(c.expected), std::string::npos) << all;
    }
}

}  // namespace
