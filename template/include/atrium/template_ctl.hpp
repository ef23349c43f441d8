#pragma once
// The template control: the entry point through which a host creates graphs and sets the
// proto path that generated worlds use.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "atrium/graph_factory.hpp"
#include "atrium/property_bag.hpp"
#include "atrium/scaler.hpp"
#include "atrium/settings.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

namespace AtriumModule {

// text without its leading and trailing spaces; other white space is kept.
std::string_view TrimSpaces(std::string_view text);
// True when a proto location is a URL: it starts with the four letters "HTTP" in any letter case.
bool IsProtoUrl(std::string_view location);

}  // namespace AtriumModule

// The control a host places on a form to create graphs. It shows nothing at run time.
//
// Lifecycle: construction sets the process-wide proto path to the raw "ProtoDir" setting
// (empty when the settings hold none); the host then calls exactly one of InitNew (a control
// newly placed) or Load (a control restored from its saved properties).
class AtriumTemplateCtl {
public:
    // The name under which the proto path is persisted (its default is the empty string).
    static constexpr std::string_view kProtoPathProperty = "ProtoPath";
    // The name of the property whose change the control reports to its container.
    static constexpr std::string_view kRelativeProtoPathProperty = "RelativeProtoPath";
    // The title and text of the warning shown when a proto path is refused.
    static constexpr std::string_view kWarningTitle = "Atrium Template OCX";
    static constexpr std::string_view kBadPathWarning =
        "The proto relative path must end with either a / or \\.";
    // The one size the control keeps, in twips (1/1440 inch).
    static constexpr std::int32_t kSize = 615;

    // Reads the settings of the current user (SettingsStore's default file).
    AtriumTemplateCtl();
    // Reads the given settings store.
    explicit AtriumTemplateCtl(SettingsStore settings);

    // The control's graph factory; the same object on every call.
    std::shared_ptr<GraphFactory> CreateFactory() const { return factory_; }
    // A new scaler mapping [0, 1] onto [0, 1].
    std::shared_ptr<AtriumScaler> CreateScaler() const;

    // The process-wide proto path (a copy; see ProtoPath).
    std::string RelativeProtoPath() const;
    // Sets the process-wide proto path to value trimmed of leading and trailing spaces. A
    // non-empty result must end in "/" or "\": otherwise the warning kBadPathWarning titled
    // kWarningTitle is shown through ShowWarning and nothing changes. On success the
    // container is told that kRelativeProtoPathProperty changed.
    void SetRelativeProtoPath(std::string_view value);

    // Initialises a newly placed control: a "ProtoDir" setting starting with "HTTP" (any
    // case) becomes the proto path unchanged; otherwise the proto path is MakeRelativePath of
    // "OutputDir" and "ProtoDir", or empty when they cannot be related.
    void InitNew();
    // Restores a saved control: the proto path becomes the bag's "ProtoPath" (empty when absent).
    void Load(const PropertyBag& bag);
    // Saves the control: "ProtoPath" = the proto path, with the empty string as its default.
    void Save(PropertyBag& bag) const;

    // Called when the container resizes the control: the size stays 615 x 615 whatever is asked.
    void Resize(std::int32_t width, std::int32_t height);
    // The control's size in twips; kSize each, always.
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }

    // Subscribes the container to property changes; the handler gets the property's name.
    void OnPropertyChanged(std::function<void(std::string_view property)> handler);

    // The settings store the control reads.
    const SettingsStore& Settings() const { return settings_; }

private:
    SettingsStore settings_;
    std::shared_ptr<GraphFactory> factory_;
    std::vector<std::function<void(std::string_view)>> propertyChanged_;
    std::int32_t width_ = kSize;
    std::int32_t height_ = kSize;
};

}  // namespace atrium
ATRIUM_EXPORT_END
