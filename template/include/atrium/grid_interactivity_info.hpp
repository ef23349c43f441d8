#pragma once
// The navigation parts of a grid graph: the drill-up cone and the two drill-down rows.
#include <memory>

#include "atrium/drill_down_info.hpp"
#include "atrium/drill_up_info.hpp"
#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Owns one drill-up cone and the X and Z drill-down rows and switches each on or off.
//
// Tree: RootNode is a Group holding the root of every part switched on, in the order switched
// on; it is empty while all three are off. Switching a part off keeps its settings.
class GridInteractivityInfo final : public ISceneRoot {
public:
    // Creates the three parts, all switched off.
    GridInteractivityInfo();
    GridInteractivityInfo(const GridInteractivityInfo&) = delete;
    GridInteractivityInfo& operator=(const GridInteractivityInfo&) = delete;

    // The Group; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override;

    // The drill-up cone.
    std::shared_ptr<DrillUpInfo> DrillUpProps() const { return drillUp_; }
    // Whether the drill-up cone is in the Group; default false.
    bool UseDrillUp() const { return useDrillUp_; }
    void SetUseDrillUp(bool value);
    // The cones along the X axis.
    std::shared_ptr<DrillDownInfo> XAxisDrillDownProps() const { return xDrillDown_; }
    // Whether the X drill-down row is in the Group; default false.
    bool UseXAxisDrillDown() const { return useXDrillDown_; }
    void SetUseXAxisDrillDown(bool value);
    // The cones along the Z axis.
    std::shared_ptr<DrillDownInfo> ZAxisDrillDownProps() const { return zDrillDown_; }
    // Whether the Z drill-down row is in the Group; default false.
    bool UseZAxisDrillDown() const { return useZDrillDown_; }
    void SetUseZAxisDrillDown(bool value);

private:
    void Switch(bool& flag, bool value, const std::shared_ptr<holvane::Node>& part);

    std::shared_ptr<holvane::Group> root_;
    std::shared_ptr<DrillUpInfo> drillUp_;
    std::shared_ptr<DrillDownInfo> xDrillDown_;
    std::shared_ptr<DrillDownInfo> zDrillDown_;
    bool useDrillUp_ = false;
    bool useXDrillDown_ = false;
    bool useZDrillDown_ = false;
};

}  // namespace atrium
ATRIUM_EXPORT_END
