#include "atrium/template_ctl.hpp"

#include <cctype>

#include "atrium/proto_path.hpp"
#include "atrium/relative_path.hpp"
#include "atrium/warning.hpp"
#include "holvane/error.hpp"

namespace atrium {
namespace AtriumModule {

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsProtoUrl(std::string_view location) {
    constexpr std::string_view scheme = "HTTP";
    if (location.size() < scheme.size()) return false;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(location[i])) != scheme[i]) return false;
    }
    return true;
}

}  // namespace AtriumModule

AtriumTemplateCtl::AtriumTemplateCtl() : AtriumTemplateCtl(SettingsStore()) {}

AtriumTemplateCtl::AtriumTemplateCtl(SettingsStore settings)
    : settings_(std::move(settings)), factory_(std::make_shared<GraphFactory>()) {
    SetProtoPath(settings_.Find(SettingsStore::kSection, SettingsStore::kProtoDirKey).value_or(""));
}

std::shared_ptr<AtriumScaler> AtriumTemplateCtl::CreateScaler() const {
    return std::make_shared<AtriumScaler>();
}

std::string AtriumTemplateCtl::RelativeProtoPath() const { return ProtoPath(); }

void AtriumTemplateCtl::SetRelativeProtoPath(std::string_view value) {
    const std::string_view trimmed = AtriumModule::TrimSpaces(value);
    if (!trimmed.empty() && trimmed.back() != '\\' && trimmed.back() != '/') {
        ShowWarning(kWarningTitle, kBadPathWarning);
        return;
    }
    SetProtoPath(std::string(trimmed));
    // A copy: a handler may subscribe further handlers while it runs.
    const auto handlers = propertyChanged_;
    for (const auto& handler : handlers) handler(kRelativeProtoPathProperty);
}

void AtriumTemplateCtl::InitNew() {
    // Worked out first and stored once, so another thread never sees a path in between.
    SetProtoPath([this]() -> std::string {
        const std::string outputDir = settings_.OutputDir();
        const std::string protoDir = settings_.ProtoDir();
        if (AtriumModule::IsProtoUrl(protoDir)) return protoDir;
        try {
            return AtriumModule::MakeRelativePath(outputDir, protoDir);
        } catch (const holvane::Error&) {
            // Directories that cannot be related leave the proto path empty; the designer sets
            // it on the ProtoPath page.
            return {};
        }
    }());
}

void AtriumTemplateCtl::Load(const PropertyBag& bag) {
    SetProtoPath(bag.Read(kProtoPathProperty, ""));
}

void AtriumTemplateCtl::Save(PropertyBag& bag) const {
    bag.Write(kProtoPathProperty, ProtoPath(), "");
}

void AtriumTemplateCtl::Resize(std::int32_t, std::int32_t) {
    width_ = kSize;
    height_ = kSize;
}

void AtriumTemplateCtl::OnPropertyChanged(std::function<void(std::string_view property)> handler) {
    if (handler) propertyChanged_.push_back(std::move(handler));
}

}  // namespace atrium
