#pragma once
// One slice of a pie graph, and the graph's side of it.
#include <cstdint>
#include <memory>
#include <string>

#include "atrium/drill_up_info.hpp"
#include "atrium/scene_root.hpp"
#include "atrium/text_info.hpp"
#include "holvane/export.hpp"
#include "holvane/graph/series_protos.hpp"
#include "holvane/standard_nodes.hpp"
#include "holvane/ui_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The geometry a slice is drawn with.
enum class SliceStyle : std::int32_t { OUTLINED_SLICE = 0, ROUNDED_SLICE = 1, RING_SLICE = 2 };

// What the pie graph reads and sets of its slices while it sizes, names and routes them.
// Validation failures raise holvane::kObjectError and change nothing.
class IInternalSliceInfo {
public:
    virtual ~IInternalSliceInfo() = default;
    // The slice's angle in radians (the rounded slice proto's angle), set from its percentage.
    virtual float Angle() const = 0;
    // Outer radius of all three protos; 1 until the graph sets it. Fails unless > 0 (and large
    // enough for the drill-down cone to keep a size): "Invalid radius, must be greater than 0".
    virtual float radius() const = 0;
    virtual void SetRadius(float value) = 0;
    // Inner radius of the ring proto; 0.8 until the graph sets it. Fails below 0:
    // "Invalid inner radius, must be greater than or equal to 0".
    virtual float InnerRadius() const = 0;
    virtual void SetInnerRadius(float value) = 0;
    // Bevel radius of the two rounded protos; 0.1 until the graph sets it. Fails unless > 0:
    // "Invalid bevel radius, must be greater than 0".
    virtual float BevelRadius() const = 0;
    virtual void SetBevelRadius(float value) = 0;
    // The appearance of all three protos, shared with the slice's legend entry.
    virtual std::shared_ptr<holvane::Appearance> Appearance() const = 0;
    // The sensor that pulls the slice out ("SLICE_DRAG_" + index at export).
    virtual std::shared_ptr<holvane::PlaneSensor> PlaneSensorNode() const = 0;
    // The toggle over the whole slice, switched by the legend ("SLICE_TOGGLE_" + index).
    virtual std::shared_ptr<holvane::qrx_ContentToggle> ContentToggleNode() const = 0;
    // The toggle over the slice's text ("SLICE_TEXT_TOGGLE_" + index when shown on touch).
    virtual std::shared_ptr<holvane::qrx_ContentToggle> SliceTextToggleNode() const = 0;
    // The Transform the sensor moves ("INNER_TRANS_" + index).
    virtual std::shared_ptr<holvane::Transform> InnerTransformNode() const = 0;
};

// A solid sector of the pie that can be pulled out along its bisector, with a billboarded text
// above its rim and an optional drill-down cone beside it.
//
// Tree: root Transform -> inner Transform -> [PlaneSensor (x from 0 to 100, y fixed),
// slice toggle -> [the proto of Style, text toggle -> [text root], drill Transform ->
// [drill-down cone while UseDrillDown]]]. The three protos exist at all times and share one
// Appearance; only the one of the current style is in the tree. The inner Transform turns the
// slice by half its angle so that it is centred on the root's +x axis; the graph turns the root.
class PieSliceInfo : public ISceneRoot, public IInternalSliceInfo {
public:
    PieSliceInfo();
    PieSliceInfo(const PieSliceInfo&) = delete;
    PieSliceInfo& operator=(const PieSliceInfo&) = delete;

    // The slice root; the graph turns it into place at every export.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    const std::shared_ptr<holvane::Transform>& RootTransform() const { return root_; }

    // The share of the full turn, 0.2 at first; the angle is share x 6.28318. Fails outside
    // 0..1 (both ends accepted): "Invalid slice percentage, must be in the range [0..1]".
    float Percentage() const { return percentage_; }
    void SetPercentage(float value);
    // Height of the slice, 1 at first; the text stands at 1.1 x height, the cone at half of it.
    // Fails unless > 0: "Invalid slice height, must be greater than 0".
    float Height() const;
    void SetHeight(float value);
    // The slice's material (colour, transparency), shared by the three protos.
    std::shared_ptr<holvane::Material> Material() const { return material_; }
    // Text of the slice's legend entry; empty at first.
    const std::string& LegendText() const { return legendText_; }
    void SetLegendText(std::string value) { legendText_ = std::move(value); }
    // The geometry; OUTLINED_SLICE at first. A value outside the enumeration is ignored.
    SliceStyle Style() const { return style_; }
    void SetStyle(SliceStyle value);
    // The text above the rim, billboarded.
    std::shared_ptr<TextInfo> SliceTextProps() const { return text_; }
    // Whether the drill-down cone stands beside the rim; false at first.
    bool UseDrillDown() const { return useDrillDown_; }
    void SetUseDrillDown(bool value);
    // The drill-down cone, lying on its side with its tip towards the pie's centre.
    std::shared_ptr<DrillUpInfo> DrillDownProps() const { return drillDown_; }
    // Whether the slice gets a legend entry and a check box; true at first.
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool value) { showInLegend_ = value; }

    float Angle() const override;
    float radius() const override;
    void SetRadius(float value) override;
    float InnerRadius() const override;
    void SetInnerRadius(float value) override;
    float BevelRadius() const override;
    void SetBevelRadius(float value) override;
    std::shared_ptr<holvane::Appearance> Appearance() const override { return appearance_; }
    std::shared_ptr<holvane::PlaneSensor> PlaneSensorNode() const override { return sensor_; }
    std::shared_ptr<holvane::qrx_ContentToggle> ContentToggleNode() const override { return toggle_; }
    std::shared_ptr<holvane::qrx_ContentToggle> SliceTextToggleNode() const override { return textToggle_; }
    std::shared_ptr<holvane::Transform> InnerTransformNode() const override { return inner_; }

    // The three geometry protos, kept in step whichever is shown.
    const std::shared_ptr<holvane::graph::qrx_OutlinedPieSlice>& OutlinedSliceNode() const { return outlined_; }
    const std::shared_ptr<holvane::graph::qrx_RoundedPieSlice>& RoundedSliceNode() const { return rounded_; }
    const std::shared_ptr<holvane::graph::qrx_RoundedRingSlice>& RingSliceNode() const { return ring_; }
    // The Transform that places the drill-down cone beside the rim.
    const std::shared_ptr<holvane::Transform>& DrillTransformNode() const { return drill_; }

    // Fails as SetRadius does for a radius a slice would refuse; changes nothing.
    static void CheckRadius(float value);

private:
    // Refills the slice toggle: the current style's proto, the text toggle, the drill Transform.
    void FillToggle();
    // Calls f on each of the three protos.
    template <class F>
    void ForEachProto(F&& f) const {
        f(*outlined_);
        f(*rounded_);
        f(*ring_);
    }

    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::Transform> inner_;
    std::shared_ptr<holvane::PlaneSensor> sensor_;
    std::shared_ptr<holvane::qrx_ContentToggle> toggle_;
    std::shared_ptr<holvane::qrx_ContentToggle> textToggle_;
    std::shared_ptr<holvane::Transform> drill_;
    std::shared_ptr<holvane::graph::qrx_OutlinedPieSlice> outlined_;
    std::shared_ptr<holvane::graph::qrx_RoundedPieSlice> rounded_;
    std::shared_ptr<holvane::graph::qrx_RoundedRingSlice> ring_;
    std::shared_ptr<holvane::Appearance> appearance_;
    std::shared_ptr<holvane::Material> material_;
    std::shared_ptr<TextInfo> text_;
    std::shared_ptr<DrillUpInfo> drillDown_;
    float percentage_ = 0.2f;
    std::string legendText_;
    SliceStyle style_ = SliceStyle::OUTLINED_SLICE;
    bool useDrillDown_ = false;
    bool showInLegend_ = true;
};

}  // namespace atrium
ATRIUM_EXPORT_END
