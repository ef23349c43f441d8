#include "atrium/charts/chart.hpp"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "file_replace.hpp"
#include "holvane/error.hpp"

namespace atrium::charts {

namespace {

// The formats Save writes, by lower-case file extension; each turns the chart into the file's text.
struct SaveFormat {
    std::string_view extension;
    std::string (*text)(const Chart& chart);
};

constexpr SaveFormat kSaveFormats[] = {
    {".wrl", [](const Chart& chart) { return chart.ToVrml(); }},
};

}  // namespace

std::string Chart::ToVrml(bool lineBreaks, bool tabs) const { return base_->ExportToString(lineBreaks, tabs); }

void Chart::Save(const std::filesystem::path& file) const {
    std::string extension = file.extension().string();
    std::ranges::transform(extension, extension.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto format = std::ranges::find(kSaveFormats, extension, &SaveFormat::extension);
    if (format == std::end(kSaveFormats))
        throw holvane::Error(holvane::kInvalidArgument,
                             "Cannot save " + file.string() + ": unknown file type \"" + extension + "\" (use .wrl)");
    const std::string text = format->text(*this);
    if (const std::error_code error = holvane::ReplaceFile(file, text))
        throw holvane::Error(holvane::kWriteFailed, "Cannot save " + file.string() + ": " + error.message());
}

}  // namespace atrium::charts
