#pragma once
// The scatter graph: point frames shown as spheres in a grid with three numeric axes, animated
// between frames over time or stepped by a frame slider.
#include <cstdint>
#include <memory>

#include "atrium/background_info.hpp"
#include "atrium/continuous_axis.hpp"
#include "atrium/drill_up_info.hpp"
#include "atrium/graph.hpp"
#include "atrium/grid_info.hpp"
#include "atrium/light_collection.hpp"
#include "atrium/point_collection.hpp"
#include "atrium/scatter_enums.hpp"
#include "atrium/scatter_legend_info.hpp"
#include "atrium/series_collection.hpp"
#include "atrium/slider_info.hpp"
#include "atrium/text_info.hpp"
#include "atrium/viewpoint_collection.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Root children from construction: background, title, grid, X, Y and Z axes, viewpoints,
// lights, then the animation group. The legend is attached at the first export; the drill-up
// cone while UseDrillUp is on and the frame slider while a discrete animation has two or more
// frames, each once.
//
// Analog animation: a CoordinateInterpolator "LOC_INT" driven by a TimeSensor "TIME_KEEPER"
// moves frame 1's spheres ("POINT_COLLECTION") through the locations of every frame; discrete
// animation: a Switch "FRAME_SWITCH" shows one frame, chosen by the slider "FRAME_SLIDER".
//
// Validation failures raise holvane::Error with number holvane::kObjectError and change nothing.
class ScatterGraph final : public Graph {
public:
    ScatterGraph();

    std::shared_ptr<BackgroundInfo> BackgroundProps() const { return background_; }
    std::shared_ptr<TextInfo> TitleProps() const { return title_; }
    std::shared_ptr<GridInfo> GridProps() const { return grid_; }
    std::shared_ptr<ContinuousAxis> XAxisProps() const { return xAxis_; }
    std::shared_ptr<ContinuousAxis> YAxisProps() const { return yAxis_; }
    std::shared_ptr<ContinuousAxis> ZAxisProps() const { return zAxis_; }
    std::shared_ptr<ScatterLegendInfo> LegendProps() const { return legend_; }
    std::shared_ptr<ViewpointCollection> Viewpoints() const { return viewpoints_; }
    std::shared_ptr<LightCollection> Lights() const { return lights_; }
    std::shared_ptr<DrillUpInfo> DrillUpProps() const { return drillUp_; }

    // Frame index (1..PointFrameCount); otherwise "Invalid index into the list".
    std::shared_ptr<PointCollection> Get1PointFrame(std::int16_t index) const { return frames_.Get1Series(index); }
    // The number of frames; none at first.
    std::int16_t PointFrameCount() const { return frames_.Count(); }
    // Keeps n frames: drops the last ones or appends empty ones. Fails unless n >= 1:
    // "There must be at least one point frame in the scene".
    void SetPointFrameCount(std::int16_t n);

    // Seconds from one frame to the next; 1 at first. Fails unless >= 1:
    // "The frame time gap must take at least 1 second".
    double FrameTimeGap() const { return frameTimeGap_; }
    void SetFrameTimeGap(double value);
    // VRML_NO_LOOP at first; not checked (an unknown value runs once).
    LoopStyle AnimationLoopStyle() const { return loopStyle_; }
    void SetAnimationLoopStyle(LoopStyle value) { loopStyle_ = value; }
    // VRML_ANALOG at first; not checked (an unknown value animates analog).
    AnimationStyle PointAnimationStyle() const { return animationStyle_; }
    void SetPointAnimationStyle(AnimationStyle value) { animationStyle_ = value; }
    // Whether the drill-up cone is shown; false at first. Takes effect at export.
    bool UseDrillUp() const { return useDrillUp_; }
    void SetUseDrillUp(bool value) { useDrillUp_ = value; }

    // The frame slider (used with VRML_DISCRETE only).
    const std::shared_ptr<SliderInfo>& FrameSlider() const { return slider_; }

private:
    // Places title, axes, legend and drill-up cone, then builds the animation.
    void PrepareExport(holvane::RouteCollection& routes) override;
    // Interpolates frame 1's locations through every frame; without frames raises "Invalid index
    // into the list: the scatter graph has no point frames (set PointFrameCount first)".
    void ExportInterpolation(holvane::RouteCollection& routes);
    // Puts every frame in the switch and, with two or more frames, sets up the slider.
    void ExportFrameSwitch(holvane::RouteCollection& routes);
    void ExportSlider(holvane::RouteCollection& routes);
    // Adds node to the root's children unless it is there already.
    void Attach(const std::shared_ptr<holvane::Node>& node);

    std::shared_ptr<BackgroundInfo> background_;
    std::shared_ptr<GridInfo> grid_;
    std::shared_ptr<TextInfo> title_;
    std::shared_ptr<ScatterLegendInfo> legend_;
    std::shared_ptr<ContinuousAxis> xAxis_;
    std::shared_ptr<ContinuousAxis> yAxis_;
    std::shared_ptr<ContinuousAxis> zAxis_;
    SeriesCollection<PointCollection> frames_;
    std::shared_ptr<SliderInfo> slider_;
    std::shared_ptr<DrillUpInfo> drillUp_;
    std::shared_ptr<ViewpointCollection> viewpoints_;
    std::shared_ptr<LightCollection> lights_;
    std::shared_ptr<holvane::Group> animationGroup_;
    std::shared_ptr<holvane::Group> interpolationGroup_;
    std::shared_ptr<holvane::CoordinateInterpolator> interpolator_;
    std::shared_ptr<holvane::TimeSensor> timeKeeper_;
    std::shared_ptr<holvane::Switch> frameSwitch_;
    double frameTimeGap_ = 1.0;
    LoopStyle loopStyle_ = LoopStyle::VRML_NO_LOOP;
    AnimationStyle animationStyle_ = AnimationStyle::VRML_ANALOG;
    bool useDrillUp_ = false;
};

}  // namespace atrium
ATRIUM_EXPORT_END
