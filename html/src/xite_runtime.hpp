#pragma once
// The parts of the pinned X_ITE runtime a page carries, and how they are made to work from a
// page opened from disk:
// - X_ITE's module build runs as the page's own inline module, so the URLs it makes for its
//   assets (relative to import.meta.url) are relative to the page;
// - the components it imports are mapped to data: URLs by the page's import map;
// - the fonts, the font decoder, the tangent library and its style sheet, which it fetches,
//   are answered from data embedded in the page (see boot.js).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "embedded_file.hpp"

namespace atrium::html {

struct XiteParts {
    std::string module;                  // the module build, publishing X3D as window.X3D
    std::vector<EmbeddedFile> imported;  // the components, by their URLs relative to the page
    std::vector<EmbeddedFile> fetched;   // the style sheet, fonts and libraries
};

// The parts of the runtime at xiteDir that worlds with the given text (the world and its
// proto files) use; throws HtmlError listing what CheckXiteRuntime finds missing.
XiteParts LoadXiteParts(const std::filesystem::path& xiteDir, const std::vector<std::string_view>& texts);

}  // namespace atrium::html
