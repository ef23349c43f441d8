#pragma once
// The drill-up cone: one cone beside the grid that links to the parent page.
#include <cstdint>
#include <memory>
#include <string>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A cone inside an Anchor, so that a click on it follows the link to the parent page.
//
// Tree: RootNode is a Transform (the graph places it) whose only child is an Anchor, whose only
// child is a Shape: geometry a Cone, appearance an Appearance with a Material.
//
// Validation failures raise holvane::Error with number holvane::kObjectError and change nothing.
class DrillUpInfo final : public ISceneRoot {
public:
    // Builds the tree through the core factory: cone height 1, radius 0.5, colour 0xAB782C,
    // shininess 0.5, no link.
    DrillUpInfo();
    DrillUpInfo(const DrillUpInfo&) = delete;
    DrillUpInfo& operator=(const DrillUpInfo&) = delete;

    // The root Transform; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override;

    // Cone colour, 0x00BBGGRR; default 0xAB782C.
    std::int32_t ConeColor() const;
    void SetConeColor(std::int32_t value);
    // Cone bottom radius; default 0.5. Fails unless value > 0: "Invalid radius, must be greater than 0".
    float ConeRadius() const;
    void SetConeRadius(float value);
    // Cone height; default 1. Fails unless value > 0: "Invalid height, must be greater than 0".
    float ConeHeight() const;
    void SetConeHeight(float value);
    // Cone transparency; default 0. Fails outside 0..1 (both ends accepted):
    // "Invalid transparency, must be in the range [0..1]".
    float ConeTransparency() const;
    void SetConeTransparency(float value);
    // The link: the Anchor's first url, "" when it has none. Setting replaces it (or adds it).
    std::string URL() const;
    void SetURL(std::string value);
    // The Anchor's description; default "".
    std::string Description() const;
    void SetDescription(std::string value);

private:
    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::Anchor> anchor_;
    std::shared_ptr<holvane::Shape> shape_;
    std::shared_ptr<holvane::Cone> cone_;
    std::shared_ptr<holvane::Appearance> appearance_;
    std::shared_ptr<holvane::Material> material_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
