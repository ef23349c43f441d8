#pragma once
// A row of drill-down cones, one per grid cell along an axis, each linking to a page of its own.
#include <cstdint>
#include <memory>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/graph/collection_protos.hpp"
#include "holvane/standard_nodes.hpp"
#include "holvane/ui_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// What a graph sets on a drill-down row to fit it to its grid.
class IDrillDownInfo {
public:
    virtual ~IDrillDownInfo() = default;
    // The qrx_ConeCollection that draws the cones and sends mouseClickedIndex.
    virtual std::shared_ptr<holvane::graph::qrx_ConeCollection> ConeCollectionNode() const = 0;
    // The qrx_Router that follows link i on set_linkIndex i.
    virtual std::shared_ptr<holvane::qrx_Router> RouterNode() const = 0;
    // Number of cones; default 2. Setting lays the cones out again.
    // Fails when value < 1: "Invalid count, must be greater than 0".
    virtual std::int16_t Count() const = 0;
    virtual void SetCount(std::int16_t value) = 0;
    // Distance between neighbouring cones; default 1. Setting lays the cones out again.
    // Fails unless value > 0: "Invalid spacing, must be greater than 0".
    virtual float Spacing() const = 0;
    virtual void SetSpacing(float value) = 0;
};

// Count cones in a row along local +x, Spacing apart, the first at the origin, pointing down;
// a click on cone i (from 0) sends i to the router, which follows DrillDownURL entry i + 1.
//
// Tree: RootNode is a Transform (the graph places and turns it) whose children are the
// qrx_ConeCollection (SourceFile proto path + "HV_GRAPH.wrl") and the qrx_Router of the
// navigation library (SourceFile proto path + "HV_NAV.wrl").
//
// Validation failures raise holvane::Error with number holvane::kObjectError and change nothing.
class DrillDownInfo final : public ISceneRoot, public IDrillDownInfo {
public:
    // Builds the tree: cone colour 0xA57421, cones turned by pi about x, two cones 1 apart.
    DrillDownInfo();
    DrillDownInfo(const DrillDownInfo&) = delete;
    DrillDownInfo& operator=(const DrillDownInfo&) = delete;

    // The root Transform; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override;

    // Cone colour, 0x00BBGGRR (the collection's defaultColor); default 0xA57421.
    std::int32_t ConeColor() const;
    void SetConeColor(std::int32_t value);
    // Cone bottom radius (defaultBottomRadius); default 0.5.
    // Fails unless value > 0: "Invalid radius, must be greater than 0".
    float ConeRadius() const;
    void SetConeRadius(float value);
    // Cone height (defaultHeight); default 1.
    // Fails unless value > 0: "Invalid height, must be greater than 0".
    float ConeHeight() const;
    void SetConeHeight(float value);
    // The live list of link URLs (the router's url field): entry i is the page of cell i.
    std::shared_ptr<holvane::MFString> DrillDownURL() const;

    std::shared_ptr<holvane::graph::qrx_ConeCollection> ConeCollectionNode() const override { return cones_; }
    std::shared_ptr<holvane::qrx_Router> RouterNode() const override { return router_; }
    std::int16_t Count() const override { return count_; }
    void SetCount(std::int16_t value) override;
    float Spacing() const override { return spacing_; }
    void SetSpacing(float value) override;

private:
    void LayOutCones();

    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::graph::qrx_ConeCollection> cones_;
    std::shared_ptr<holvane::qrx_Router> router_;
    std::int16_t count_ = 2;
    float spacing_ = 1.0f;
};

}  // namespace atrium
ATRIUM_EXPORT_END
