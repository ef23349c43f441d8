#pragma once
// The world's background: one plain colour, or a vertical fade through that colour.
#include <cstdint>
#include <memory>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The Background of a world. Plain: the whole sky has the chosen colour. Fade: the sky is
// black straight above the viewer, turns to the chosen colour 2 radians from the zenith and
// to white at 3 radians. The node is made once, through the core factory, and changed in place.
class BackgroundInfo : public ISceneRoot {
public:
    BackgroundInfo();

    // The Background node.
    std::shared_ptr<holvane::Node> RootNode() const override { return background_; }

    // The chosen packed 0x00BBGGRR colour; black at first.
    std::int32_t BackgroundColor() const;
    // Sets the chosen colour; the sky colours follow at once in either mode.
    void SetBackgroundColor(std::int32_t color);

    // True for the fade, false for the plain colour (the default).
    bool UseBackgroundColorFade() const { return fade_; }
    // Switches between plain colour and fade; setting the current mode does nothing.
    void SetUseBackgroundColorFade(bool fade);

private:
    void ApplyMode();

    std::shared_ptr<holvane::Background> background_;
    std::shared_ptr<holvane::SFColor> color_;
    bool fade_ = false;
};

}  // namespace atrium
ATRIUM_EXPORT_END
