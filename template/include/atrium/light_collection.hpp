#pragma once
// The lights of a world, created and filled by the host, and the viewer's headlight switch.
#include <cstdint>
#include <memory>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A Group holding the world's NavigationInfo and then a Group of PointLight nodes, written
// in the order they were added.
class LightCollection : public ISceneRoot {
public:
    LightCollection();

    // The Group holding the NavigationInfo and the lights' Group.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }

    // The light at position index (1 = first). An index outside 1 to Count raises the core
    // library's list error (holvane::kIndexOutOfRange).
    std::shared_ptr<holvane::PointLight> GetLightSource(std::int16_t index) const;
    // Appends a new PointLight with the VRML default fields and returns it for the host to fill.
    std::shared_ptr<holvane::PointLight> AddLightSource();
    // Removes every light.
    void ClearLightSources();
    // The number of lights.
    std::int16_t Count() const;

    // The NavigationInfo's headlight; true at first, as in VRML.
    bool UseHeadlight() const;
    void SetUseHeadlight(bool on);

private:
    std::shared_ptr<holvane::Group> root_;
    std::shared_ptr<holvane::NavigationInfo> navigationInfo_;
    std::shared_ptr<holvane::Group> lights_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
