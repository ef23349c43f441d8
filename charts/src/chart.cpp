#include "atrium/charts/chart.hpp"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "atrium/html/data_folder.hpp"
#include "atrium/html/write_html.hpp"
#include "file_replace.hpp"
#include "holvane/error.hpp"

namespace atrium::charts {
namespace fs = std::filesystem;

namespace {

// The chart's page; throws html::HtmlError naming what is missing.
std::string Page(const Chart& chart, const std::string& worldName) {
    const fs::path data = html::DataFolder();
    html::HtmlOptions options;
    options.worldName = worldName;
    return html::WriteHtml(chart.ToVrml(), data / "protos", data / "viewer", options);
}

// The formats Save writes, by lower-case file extension; each turns the chart into the text of
// the file it is saved as.
struct SaveFormat {
    std::string_view extension;
    std::string (*text)(const Chart& chart, const fs::path& file);
};

constexpr SaveFormat kSaveFormats[] = {
    {".wrl", [](const Chart& chart, const fs::path&) { return chart.ToVrml(); }},
    {".html", [](const Chart& chart, const fs::path& file) { return Page(chart, file.stem().string() + ".wrl"); }},
};

}  // namespace

std::string Chart::ToVrml(bool lineBreaks, bool tabs) const { return base_->ExportToString(lineBreaks, tabs); }

std::string Chart::ToHtml(const std::string& worldName) const {
    try {
        return Page(*this, worldName);
    } catch (const html::HtmlError& e) {
        throw holvane::Error(holvane::kWriteFailed, std::string("Cannot build the chart's page: ") + e.what());
    }
}

void Chart::Save(const fs::path& file) const {
    std::string extension = file.extension().string();
    std::ranges::transform(extension, extension.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto format = std::ranges::find(kSaveFormats, extension, &SaveFormat::extension);
    if (format == std::end(kSaveFormats))
        throw holvane::Error(holvane::kInvalidArgument,
                             "Cannot save " + file.string() + ": unknown file type \"" + extension + "\" (use .wrl or .html)");
    std::string text;
    try {
        text = format->text(*this, file);
    } catch (const html::HtmlError& e) {
        throw holvane::Error(holvane::kWriteFailed, "Cannot save " + file.string() + ": " + e.what());
    }
    if (const std::error_code error = holvane::ReplaceFile(file, text))
        throw holvane::Error(holvane::kWriteFailed, "Cannot save " + file.string() + ": " + error.message());
}

}  // namespace atrium::charts
