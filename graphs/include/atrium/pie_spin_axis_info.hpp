#pragma once
// The spin axis of a pie graph: a thin upright cylinder that turns the pie when dragged.
#include <cstdint>
#include <memory>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A white Cylinder of radius 0.1 with a CylinderSensor beside it. Tree: root Transform ->
// [CylinderSensor, Shape] while UseSpinAxis, no children otherwise. The pie graph sizes,
// colours and places it at every export while it is in use.
// Validation failures raise holvane::kObjectError and change nothing.
class PieSpinAxisInfo : public ISceneRoot {
public:
    PieSpinAxisInfo();
    PieSpinAxisInfo(const PieSpinAxisInfo&) = delete;
    PieSpinAxisInfo& operator=(const PieSpinAxisInfo&) = delete;

    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    const std::shared_ptr<holvane::Transform>& RootTransform() const { return root_; }

    // Whether the axis is shown and can be dragged; false at first.
    bool UseSpinAxis() const { return useSpinAxis_; }
    void SetUseSpinAxis(bool value);
    // The cylinder's radius; 0.1 at first. Fails unless > 0: "Invalid axis radius, must be greater than 0".
    float radius() const;
    void SetRadius(float value);
    // The cylinder's height; 2 at first. Fails unless > 0: "Invalid axis height, must be greater than 0".
    float Height() const;
    void SetHeight(float value);
    // The cylinder's colour, 0x00BBGGRR; white at first.
    std::int32_t Color() const;
    void SetColor(std::int32_t value);
    // The sensor whose rotation turns the pie.
    std::shared_ptr<holvane::CylinderSensor> CylinderSensorNode() const { return sensor_; }

private:
    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::Shape> shape_;
    std::shared_ptr<holvane::Appearance> appearance_;
    std::shared_ptr<holvane::Material> material_;
    std::shared_ptr<holvane::Cylinder> cylinder_;
    std::shared_ptr<holvane::CylinderSensor> sensor_;
    bool useSpinAxis_ = false;
};

}  // namespace atrium
ATRIUM_EXPORT_END
