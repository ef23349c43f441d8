#pragma once
// The drawn part every height surface shares: a shaded surface with an elevation wireframe over
// it, behind one content toggle.
#include <cstdint>
#include <memory>
#include <string>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/graph/chart_protos.hpp"
#include "holvane/standard_nodes.hpp"
#include "holvane/ui_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Tree: root Transform → qrx_ContentToggle (shown) → [qrx_Surface with the Appearance and its
// Material, Transform lifted by 0.025 → qrx_ElevationWireframe]. The lattice setters keep
// surface and wireframe equal; validation failures raise holvane::kObjectError and change nothing.
// The lattice, toggle, look and pop-up offset are the graph's side of a surface (what the
// plain and the density surface both offer it).
class SurfaceBody : public ISceneRoot {
public:
    ~SurfaceBody() override = default;

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

    // Distance between lattice points along X (xSpacing). Fails unless > 0:
    // "Invalid X axis surface point spacing, must be greater than 1".
    float XSpacing() const { return surface_->XSpacingField()->Value(); }
    virtual void SetXSpacing(float value) = 0;
    // Distance between lattice points along Z (zSpacing). Fails unless > 0:
    // "Invalid Z axis surface point spacing, must be greater than 1".
    float ZSpacing() const { return surface_->ZSpacingField()->Value(); }
    virtual void SetZSpacing(float value) = 0;
    // Lattice points along X (xDimension). Fails below 2:
    // "Invalid X axis surface point count, must be greater than 1".
    std::int16_t XCount() const;
    virtual void SetXCount(std::int16_t value) = 0;
    // Lattice points along Z (zDimension). Fails below 2:
    // "Invalid Z axis surface point count, must be greater than 1".
    std::int16_t ZCount() const;
    virtual void SetZCount(std::int16_t value) = 0;
    // The surface's content toggle, which the legend's check box switches.
    std::shared_ptr<holvane::Node> ContentToggle() const { return toggle_; }
    // The surface's appearance, shared with its legend entry.
    std::shared_ptr<holvane::Appearance> Appearance() const { return appearance_; }
    // How far the pop-ups are pushed along Z (their root's translation z).
    virtual float PopupZOffset() const = 0;
    virtual void SetPopupZOffset(float value) = 0;

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
ATRIUM_EXPORT_END
