#include "atrium/viewpoint_collection.hpp"

#include "atrium/proto_path.hpp"

namespace atrium {

ViewpointCollection::ViewpointCollection() : group_(MakeCoreNode<holvane::Group>()) {}

std::shared_ptr<holvane::Viewpoint> ViewpointCollection::GetViewpoint(std::int16_t index) const {
    return std::dynamic_pointer_cast<holvane::Viewpoint>(group_->ChildrenField()->Get(index));
}

std::shared_ptr<holvane::Viewpoint> ViewpointCollection::AddViewpoint() {
    auto viewpoint = MakeCoreNode<holvane::Viewpoint>();
    group_->ChildrenField()->Add(viewpoint);
    return viewpoint;
}

void ViewpointCollection::ClearViewpoints() { group_->ChildrenField()->Clear(); }

std::int16_t ViewpointCollection::Count() const { return group_->ChildrenField()->Count(); }

}  // namespace atrium
