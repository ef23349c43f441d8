#include "atrium/light_collection.hpp"

#include "atrium/proto_path.hpp"

namespace atrium {

LightCollection::LightCollection()
    : root_(MakeCoreNode<holvane::Group>()),
      navigationInfo_(MakeCoreNode<holvane::NavigationInfo>()),
      lights_(MakeCoreNode<holvane::Group>()) {
    root_->ChildrenField()->Add(navigationInfo_);
    root_->ChildrenField()->Add(lights_);
}

std::shared_ptr<holvane::PointLight> LightCollection::GetLightSource(std::int16_t index) const {
    return std::dynamic_pointer_cast<holvane::PointLight>(lights_->ChildrenField()->Get(index));
}

std::shared_ptr<holvane::PointLight> LightCollection::AddLightSource() {
    auto light = MakeCoreNode<holvane::PointLight>();
    lights_->ChildrenField()->Add(light);
    return light;
}

void LightCollection::ClearLightSources() { lights_->ChildrenField()->Clear(); }

std::int16_t LightCollection::Count() const { return lights_->ChildrenField()->Count(); }

bool LightCollection::UseHeadlight() const { return navigationInfo_->HeadlightField()->Value(); }

void LightCollection::SetUseHeadlight(bool on) { navigationInfo_->HeadlightField()->SetValue(on); }

}  // namespace atrium
