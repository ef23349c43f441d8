#pragma once
// The drawn part every height surface shares: a shaded surface with an elevation wireframe over
// it, behind one content toggle.
#include <cstdint>
#include <memory>
#include <string>

#include "atrium/internal_surface_info.hpp"
#include "atrium/scene_root.hpp"
#include "holvane/graph/chart_protos.hpp"
#include "holvane/ui_nodes.hpp"

namespace atrium {

// Tree: root Transform → qrx_ContentToggle (shown) → [qrx_Surface with the Appearance and its
// Material, Transform lifted by 0.025 → qrx_ElevationWireframe]. The lattice setters keep
// surface and wireframe equal; validation failures raise holvane::kObjectError and change nothing.
class SurfaceBody : public ISceneRoot, public IInternalSurfaceInfo {
public:
    // The surface's root Transform; the graph places it at every export.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    std::shared_ptr<holvane::Transform> RootTransform() const { return root_; }
    // The surface's material; the host colours the surface through it.
    std::shared_ptr<holvane::Material> Material() const { return material_; }
    // Text of the surface's legend entry; empty at first.
    const std::string& LegendText() const { return legendText_; }
    void SetLegendText(std::string value) { legendText_ = std::move(value); }
    // Wireframe colour, 0x00BBGGRR (color); white at first.
    std::int32_t WireColor() const;
    void SetWireColor(std::int32_t value);

    std::shared_ptr<holvane::graph::qrx_Surface> SurfaceNode() const { return surface_; }
    std::shared_ptr<holvane::graph::qrx_ElevationWireframe> WireframeNode() const { return wireframe_; }

    float XSpacing() const override { return surface_->XSpacingField()->Value(); }
    float ZSpacing() const override { return surface_->ZSpacingField()->Value(); }
    std::int16_t XCount() const override;
    std::int16_t ZCount() const override;
    std::shared_ptr<holvane::Node> ContentToggle() const override { return toggle_; }
    std::shared_ptr<holvane::Appearance> Appearance() const override { return appearance_; }

protected:
    SurfaceBody();

    // The checked lattice changes, on surface and wireframe only; the setters of a kind add
    // what else changes with them.
    void SetBodyXCount(std::int16_t value);
    void SetBodyZCount(std::int16_t value);
    void SetBodyXSpacing(float value);
    void SetBodyZSpacing(float value);

private:
    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::qrx_ContentToggle> toggle_;
    std::shared_ptr<holvane::graph::qrx_Surface> surface_;
    std::shared_ptr<holvane::Transform> lift_;
    std::shared_ptr<holvane::graph::qrx_ElevationWireframe> wireframe_;
    std::shared_ptr<holvane::Appearance> appearance_;
    std::shared_ptr<holvane::Material> material_;
    std::string legendText_;
};

}  // namespace atrium
