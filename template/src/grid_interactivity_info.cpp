#include "atrium/grid_interactivity_info.hpp"

#include "atrium/proto_path.hpp"

namespace atrium {

GridInteractivityInfo::GridInteractivityInfo()
    : root_(MakeCoreNode<holvane::Group>()),
      drillUp_(std::make_shared<DrillUpInfo>()),
      xDrillDown_(std::make_shared<DrillDownInfo>()),
      zDrillDown_(std::make_shared<DrillDownInfo>()) {}

std::shared_ptr<holvane::Node> GridInteractivityInfo::RootNode() const { return root_; }

void GridInteractivityInfo::SetUseDrillUp(bool value) { Switch(useDrillUp_, value, drillUp_->RootNode()); }
void GridInteractivityInfo::SetUseXAxisDrillDown(bool value) { Switch(useXDrillDown_, value, xDrillDown_->RootNode()); }
void GridInteractivityInfo::SetUseZAxisDrillDown(bool value) { Switch(useZDrillDown_, value, zDrillDown_->RootNode()); }

void GridInteractivityInfo::Switch(bool& flag, bool value, const std::shared_ptr<holvane::Node>& part) {
    if (value == flag) return;
    if (value)
        root_->ChildrenField()->Add(part);
    else
        root_->ChildrenField()->RemoveNode(part);
    flag = value;
}

}  // namespace atrium
