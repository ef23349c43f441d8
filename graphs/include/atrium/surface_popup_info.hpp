#pragma once
// The value pop-ups of one height surface: an invisible pop-up surface over the same lattice.
#include <cstdint>
#include <memory>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/graph/collection_protos.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The graph's side of a surface's pop-ups.
class ISurfacePopupInfo {
public:
    virtual ~ISurfacePopupInfo() = default;
    // The qrx_PopupSurface, whether shown or not.
    virtual std::shared_ptr<holvane::graph::qrx_PopupSurface> PopupSurfaceNode() const = 0;
};

// One qrx_PopupSurface (allignment "TOP", white, fully transparent: only its pop-ups show) held
// by the root Transform while UsePopups is on; off at first. Validation failures raise
// holvane::kObjectError and change nothing.
class SurfacePopupInfo : public ISceneRoot, public ISurfacePopupInfo {
public:
    SurfacePopupInfo();

    // The pop-up root Transform; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    std::shared_ptr<holvane::graph::qrx_PopupSurface> PopupSurfaceNode() const override { return popups_; }

    // Colours, 0x00BBGGRR (textColor, backgroundColor, borderColor).
    std::int32_t TextColor() const;
    void SetTextColor(std::int32_t value);
    std::int32_t BackgroundColor() const;
    void SetBackgroundColor(std::int32_t value);
    std::int32_t BorderColor() const;
    void SetBorderColor(std::int32_t value);
    // Pop-up text height (popupHeight). Fails unless > 0: "Invalid popup height, must be greater than 0".
    float TextHeight() const;
    void SetTextHeight(float value);
    // Whether the pop-up surface is in the scene; only a change of value acts.
    bool UsePopups() const { return usePopups_; }
    void SetUsePopups(bool value);

private:
    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::graph::qrx_PopupSurface> popups_;
    bool usePopups_ = false;
};

}  // namespace atrium
ATRIUM_EXPORT_END
