#include "atrium/point_collection.hpp"

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

PointCollection::PointCollection()
    : root_(MakeCoreNode<holvane::Group>()), spheres_(MakeGraphNode<holvane::graph::qrx_SphereCollection>()) {
    root_->ChildrenField()->Add(spheres_);
}

void PointCollection::AddPoint(float x, float y, float z, float radius, std::int32_t color, float transparency) {
    if (!(radius >= 0.0f)) holvane::Fail("Invalid radius, must be greater than or equal to 0");
    if (!(transparency >= 0.0f && transparency <= 1.0f))
        holvane::Fail("Invalid transparency, must be in the range [0..1]");
    if (spheres_->LocationsField()->size() >= static_cast<std::size_t>(kMaxPoints))
        throw holvane::Error(holvane::kOverflow, "Overflow: a point frame holds at most 32767 points");
    spheres_->LocationsField()->Add({x, y, z});
    spheres_->RadiiField()->Add(radius);
    spheres_->ColorsField()->AddRGB(color);
    spheres_->TransparenciesField()->Add(transparency);
}

void PointCollection::RemovePoint(std::int16_t index) {
    // Every list is checked before any changes, so a list the host shortened leaves all intact.
    spheres_->LocationsField()->Get(index);
    spheres_->ColorsField()->Get(index);
    spheres_->TransparenciesField()->Get(index);
    spheres_->RadiiField()->Get(index);
    spheres_->LocationsField()->Remove(index);
    spheres_->ColorsField()->Remove(index);
    spheres_->TransparenciesField()->Remove(index);
    spheres_->RadiiField()->Remove(index);
}

void PointCollection::Get1Point(std::int16_t index, float& x, float& y, float& z, float& radius,
                                std::int32_t& color, float& transparency) const {
    const auto& location = spheres_->LocationsField()->Get(index);
    const std::int32_t packed = spheres_->ColorsField()->GetRGB(index);
    const float t = spheres_->TransparenciesField()->Get(index);
    const float r = spheres_->RadiiField()->Get(index);
    x = location[0];
    y = location[1];
    z = location[2];
    radius = r;
    color = packed;
    transparency = t;
}

void PointCollection::ClearPoints() {
    spheres_->LocationsField()->Clear();
    spheres_->ColorsField()->Clear();
    spheres_->TransparenciesField()->Clear();
    spheres_->RadiiField()->Clear();
}

}  // namespace atrium
