#include "atrium/proto_path_page.hpp"

#include <filesystem>
#include <system_error>

#include "atrium/relative_path.hpp"

namespace atrium {
namespace {

// A directory list shows only directories that exist; anything else falls back to "C:\".
std::string ListableDirectory(const std::string& path) {
    std::error_code ec;
    if (!path.empty() && std::filesystem::is_directory(path, ec)) return path;
    return std::string(SettingsStore::kDefaultDir);
}

}  // namespace

ProtoPathPage::ProtoPathPage() : ProtoPathPage(SettingsStore()) {}

ProtoPathPage::ProtoPathPage(SettingsStore settings) : settings_(std::move(settings)) {}

void ProtoPathPage::SetSelectedControls(std::vector<std::shared_ptr<AtriumTemplateCtl>> controls) {
    controls_ = std::move(controls);
}

void ProtoPathPage::Open() {
    const std::string outputDir = settings_.OutputDir();
    const std::string protoDir = settings_.ProtoDir();
    if (AtriumModule::IsProtoUrl(protoDir)) {
        urlText_ = protoDir;
        option_ = PathOption::url;
        outputDirectory_ = SettingsStore::kDefaultDir;
        protoDirectory_ = SettingsStore::kDefaultDir;
    } else {
        outputDirectory_ = ListableDirectory(outputDir);
        protoDirectory_ = ListableDirectory(protoDir);
        urlText_ = kUrlPrompt;
        option_ = PathOption::directories;
    }
    changed_ = false;
}

void ProtoPathPage::ClickOption(PathOption option) {
    option_ = option;
    changed_ = true;
}

void ProtoPathPage::SetUrlText(std::string_view text) {
    urlText_ = text;
    changed_ = true;
}

void ProtoPathPage::SetOutputDirectory(std::string_view path) {
    outputDirectory_ = path;
    changed_ = true;
}

void ProtoPathPage::SetProtoDirectory(std::string_view path) {
    protoDirectory_ = path;
    changed_ = true;
}

void ProtoPathPage::Apply() {
    std::string value;
    if (option_ == PathOption::url) {
        value = AtriumModule::TrimSpaces(urlText_);
        settings_.SetProtoLocation("", value);
    } else {
        // Computed first, so that directories which cannot be related leave the settings as
        // they were.
        value = AtriumModule::MakeRelativePath(outputDirectory_, protoDirectory_);
        settings_.SetProtoLocation(outputDirectory_, protoDirectory_);
    }
    for (const auto& control : controls_) {
        if (control) control->SetRelativeProtoPath(value);
    }
    changed_ = false;
}

}  // namespace atrium
