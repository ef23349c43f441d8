#pragma once
// The pie graph: slices about a vertical axis that spin with the pie and pull out of it.
#include <cstdint>
#include <memory>

#include "atrium/background_info.hpp"
#include "atrium/drill_up_info.hpp"
#include "atrium/graph.hpp"
#include "atrium/legend_info.hpp"
#include "atrium/light_collection.hpp"
#include "atrium/pie_slice_info.hpp"
#include "atrium/pie_spin_axis_info.hpp"
#include "atrium/series_collection.hpp"
#include "atrium/text_info.hpp"
#include "atrium/viewpoint_collection.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// When the slices' texts are shown.
enum class SliceTextVisibility : std::int32_t { SHOW_ON_TOUCH = 0, SHOW_ALWAYS = 1 };

// A pie (or ring) of slices laid out one after the other from the +x axis, each turned by its
// own angle; no grid and no axes. Each slice can be dragged out of the pie, switched from the
// legend and carry a drill-down cone; the spin axis turns the whole pie ("PIE_TRANS").
//
// Root children, in order: spin axis, background, title, legend, viewpoints, lights, the slice
// holder (a Transform), the drill-up holder (a Transform).
// Validation failures raise holvane::kObjectError and change nothing.
class PieGraph final : public Graph {
public:
    PieGraph();

    std::shared_ptr<BackgroundInfo> BackgroundProps() const { return background_; }
    std::shared_ptr<TextInfo> TitleProps() const { return title_; }
    std::shared_ptr<LegendInfo> LegendProps() const { return legend_; }
    std::shared_ptr<ViewpointCollection> Viewpoints() const { return viewpoints_; }
    std::shared_ptr<LightCollection> Lights() const { return lights_; }
    // The cone above the pie that links to the parent page.
    std::shared_ptr<DrillUpInfo> DrillUpProps() const { return drillUp_; }

    // Slice number index, 1 being the first from the +x axis. Fails outside 1..count with
    // "Invalid slice index, slice count = " followed by the count.
    std::shared_ptr<PieSliceInfo> GetSlice(std::int16_t index) const;
    // Number of slices; none at first. Growing appends slices that carry the graph's radius,
    // inner radius and bevel radius; shrinking drops the last ones. A negative count fails
    // with "Invalid index into the list" and removes nothing.
    std::int16_t SliceCount() const { return slices_.Count(); }
    void SetSliceCount(std::int16_t value);

    // Outer radius of every slice; 3 at first. Fails unless > 0 (and large enough for a slice's
    // drill-down cone to keep a size): "Invalid radius, must be greater than 0".
    float radius() const { return radius_; }
    void SetRadius(float value);
    // Ring inner radius of every slice; 1.5 at first. Fails unless > 0:
    // "Invalid inner radius, must be greater than 0".
    float InnerRadius() const { return innerRadius_; }
    void SetInnerRadius(float value);
    // Bevel radius of every slice; 0.2 at first. Fails unless > 0:
    // "Invalid bevel radius, must be greater than 0".
    float BevelRadius() const { return bevelRadius_; }
    void SetBevelRadius(float value);

    // When the slice texts show; SHOW_ON_TOUCH (while the slice is dragged) at first. Any other
    // value is kept and leaves the texts as they are at export.
    SliceTextVisibility SliceTextDisplayStyle() const { return textVisibility_; }
    void SetSliceTextDisplayStyle(SliceTextVisibility value) { textVisibility_ = value; }
    // Whether the spin axis is shown; false at first. With it on, an export with no slices fails
    // with "Invalid axis height, must be greater than 0".
    bool UseSpinAxis() const { return spinAxis_->UseSpinAxis(); }
    void SetUseSpinAxis(bool value) { spinAxis_->SetUseSpinAxis(value); }
    // Whether the drill-up cone stands above the pie; false at first.
    bool UseDrillUp() const { return useDrillUp_; }
    void SetUseDrillUp(bool value);

private:
    // Places title and legend from the tallest slice, lays out and wires the slices, then the
    // spin axis and the drill-up cone when they are on.
    void PrepareExport(holvane::RouteCollection& routes) override;
    void ExportSlices(holvane::RouteCollection& routes);
    // The largest slice height, 0 without slices.
    float TallestSlice() const;

    std::shared_ptr<PieSpinAxisInfo> spinAxis_;
    std::shared_ptr<BackgroundInfo> background_;
    std::shared_ptr<TextInfo> title_;
    std::shared_ptr<LegendInfo> legend_;
    std::shared_ptr<DrillUpInfo> drillUp_;
    std::shared_ptr<ViewpointCollection> viewpoints_;
    std::shared_ptr<LightCollection> lights_;
    std::shared_ptr<holvane::Transform> sliceHolder_;
    std::shared_ptr<holvane::Transform> drillUpHolder_;
    SeriesCollection<PieSliceInfo> slices_;
    float radius_ = 3.0f;
    float innerRadius_ = 1.5f;
    float bevelRadius_ = 0.2f;
    SliceTextVisibility textVisibility_ = SliceTextVisibility::SHOW_ON_TOUCH;
    bool useDrillUp_ = false;
};

}  // namespace atrium
ATRIUM_EXPORT_END
