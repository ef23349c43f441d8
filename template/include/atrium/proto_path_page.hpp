#pragma once
// The ProtoPath page: where a designer chooses where generated worlds find the proto files,
// as a model that any user-interface toolkit can show.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "atrium/settings.hpp"
#include "atrium/template_ctl.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The state and behaviour of the ProtoPath page, applied to every selected template control.
//
// The page offers two options: a URL of the proto files (a text box, first "HTTP://") or a
// pair of directories (the VRML output directory and the proto directory) from which the
// relative path is computed. Only the frame of the chosen option is visible.
class ProtoPathPage {
public:
    // The page's options, by their position on the page.
    enum class PathOption : int { url = 0, directories = 1 };

    static constexpr std::string_view kCaption = "ProtoPath";
    static constexpr std::string_view kUrlOptionCaption = "Internet URL of proto files";
    static constexpr std::string_view kDirectoriesOptionCaption =
        "Relative path to proto files from local graph files";
    static constexpr std::string_view kOutputDirectoryLabel = "VRML output directory";
    static constexpr std::string_view kProtoDirectoryLabel = "Proto directory";
    // The text box's content when the settings hold no URL.
    static constexpr std::string_view kUrlPrompt = "HTTP://";

    // Uses the settings of the current user (SettingsStore's default file).
    ProtoPathPage();
    // Uses the given settings store.
    explicit ProtoPathPage(SettingsStore settings);

    // The controls the page applies to; set by the container before Apply.
    void SetSelectedControls(std::vector<std::shared_ptr<AtriumTemplateCtl>> controls);
    const std::vector<std::shared_ptr<AtriumTemplateCtl>>& SelectedControls() const { return controls_; }

    // Fills the page from the settings. A "ProtoDir" that starts with "HTTP" (any case) selects
    // the URL option with that URL and both directories "C:\"; otherwise the directories
    // option with the output directory "OutputDir" and the proto directory "ProtoDir" (each
    // "C:\" when it is not an existing directory) and the text "HTTP://". The page is then
    // unchanged.
    void Open();

    // The selected option.
    PathOption Option() const { return option_; }
    // A click on an option: selects it, shows its frame and hides the other; marks the page changed.
    void ClickOption(PathOption option);
    bool IsUrlFrameVisible() const { return option_ == PathOption::url; }
    bool IsDirectoriesFrameVisible() const { return option_ == PathOption::directories; }

    // The text box of the URL option.
    const std::string& UrlText() const { return urlText_; }
    // Changes the URL text; marks the page changed.
    void SetUrlText(std::string_view text);
    // The directory chosen in the left list: where the VRML worlds are written.
    const std::string& OutputDirectory() const { return outputDirectory_; }
    // Changes the output directory; marks the page changed.
    void SetOutputDirectory(std::string_view path);
    // The directory chosen in the right list: where the proto files are.
    const std::string& ProtoDirectory() const { return protoDirectory_; }
    // Changes the proto directory; marks the page changed.
    void SetProtoDirectory(std::string_view path);

    // True when the page was changed since it was opened or last applied.
    bool Changed() const { return changed_; }

    // Applies the page. URL option: the value is the URL text trimmed of spaces, saved as
    // "ProtoDir" with an empty "OutputDir". Directories option: the value is MakeRelativePath
    // of the output and proto directories, which are saved as "OutputDir" and "ProtoDir".
    // Then every selected control's RelativeProtoPath is set to the value, so a value without
    // a final separator is refused by each control with its warning. When the directories
    // cannot be related, the error of MakeRelativePath is raised before anything is saved or
    // set; a failed settings write is raised before any control is set. The page is
    // unchanged afterwards.
    void Apply();

private:
    SettingsStore settings_;
    std::vector<std::shared_ptr<AtriumTemplateCtl>> controls_;
    PathOption option_ = PathOption::directories;
    std::string urlText_{kUrlPrompt};
    std::string outputDirectory_{SettingsStore::kDefaultDir};
    std::string protoDirectory_{SettingsStore::kDefaultDir};
    bool changed_ = false;
};

}  // namespace atrium
ATRIUM_EXPORT_END
