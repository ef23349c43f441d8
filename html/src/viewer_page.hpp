#pragma once
// The viewer page made into one file: its style sheets and scripts inlined, its modules given
// to the page's import map, X_ITE's classic script replaced by the module build.
#include <filesystem>
#include <string>
#include <vector>

#include "embedded_file.hpp"

namespace atrium::html {

// Import-map prefix of the viewer's own modules; their relative imports are rewritten to it,
// since a module at a data: URL cannot resolve a relative import.
inline constexpr std::string_view kViewerModules = "atrium-viewer/";

struct ViewerPage {
    std::string html;                    // index.html with everything but its modules inlined
    std::vector<EmbeddedFile> imported;  // the viewer's modules, by import-map specifier
};

// viewerDir's index.html, its style sheets inlined (with the files they name as data: URLs),
// its classic scripts inlined, its module scripts importing from the import map, the script
// that loads X_ITE (x_ite/x_ite.min.js) replaced by xiteModule, and `head` (the page's own
// scripts) placed before the first of them. Throws HtmlError when a file it names is missing.
ViewerPage InlineViewerPage(const std::filesystem::path& viewerDir, const std::string& xiteModule,
                            const std::string& head);

}  // namespace atrium::html
