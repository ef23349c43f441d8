#pragma once
// One self-contained HTML file per world: the viewer page with the world, its proto files and
// the X_ITE runtime it needs embedded, so the file opens from disk with no server and no network.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium::html {

// Raised when a page cannot be built or written; what() names the missing or failing piece.
class HtmlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a page is built from besides the world's text.
struct HtmlOptions {
    // The world's file name as the page shows it (title, saved picture's name).
    std::string worldName = "chart.wrl";
    // Where EXTERNPROTO URLs relative to the world are looked up first (empty: not looked up
    // there; the proto folder alone is used).
    std::filesystem::path worldFolder;
};

// Builds the page for a world: the viewer page of viewerDir (its index.html, with its scripts
// and style sheets inlined; X_ITE's module build, components, fonts and libraries from
// viewerDir/x_ite), the world's text, and each proto file its EXTERNPROTO URLs name, found
// beside the world (options.worldFolder) or else by file name in protoDir. Only what the
// world needs is embedded. Throws HtmlError naming what is missing.
std::string WriteHtml(std::string_view worldText, const std::filesystem::path& protoDir,
                      const std::filesystem::path& viewerDir, const HtmlOptions& options = {});

// Writes a page built as WriteHtml builds it for the world file `world` (its folder holds the
// proto files looked up first) to `out`, replacing it atomically (a temporary file beside it,
// then a rename: on failure an existing file is left unchanged). Throws HtmlError.
void WriteHtmlFile(const std::filesystem::path& out, const std::filesystem::path& world,
                   const std::filesystem::path& protoDir, const std::filesystem::path& viewerDir);

// Writes text to file atomically as WriteHtmlFile does; throws HtmlError naming the file.
void SaveHtml(const std::filesystem::path& file, std::string_view html);

// What the pages rely on in the pinned X_ITE runtime at xiteDir (the x_ite folder beside the
// viewer page, or the npm package's dist folder): one line per file or feature that is
// missing, naming it; empty when everything is there.
std::vector<std::string> CheckXiteRuntime(const std::filesystem::path& xiteDir);

}  // namespace atrium::html
ATRIUM_EXPORT_END
