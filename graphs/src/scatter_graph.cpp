#include "atrium/scatter_graph.hpp"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <string>

#include "atrium/axis_layout.hpp"
#include "atrium/drill_layout.hpp"
#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"
#include "key_frames.hpp"

namespace atrium {
namespace {

// What places a numeric axis along one grid edge: its label count is one more than the edge's
// cells, so a label stands on every grid line.
struct EdgeAxis {
    LabelAlignment alignment;
    LabelingOrder order;
    float extent;
    std::int16_t cells;
};

// Fits axis to its edge; the caller moves and turns the root afterwards, then AlignHeader.
holvane::Transform& FitToEdge(ContinuousAxis& axis, const EdgeAxis& edge) {
    if (edge.cells == std::numeric_limits<std::int16_t>::max())
        throw holvane::Error(holvane::kOverflow, "Overflow: an axis of " + std::to_string(edge.cells) +
                                                     " cells needs more labels than a 16-bit count holds");
    axis.SetCount(static_cast<std::int16_t>(edge.cells + 1));
    axis.SetAlignment(edge.alignment);
    axis.SetOrder(edge.order);
    axis.SetLabelTextGap(edge.extent / static_cast<float>(edge.cells));
    return static_cast<holvane::Transform&>(*axis.RootNode());
}

// factor x value in double precision, rounded once to single.
float Scaled(double factor, float value) { return static_cast<float>(factor * value); }

// Labels along X at the front edge, read from the left.
void LayOutScatterXAxis(const GridInfo& grid, ContinuousAxis& axis) {
    auto& root = FitToEdge(axis, {LabelAlignment::RIGHT_ALIGN, LabelingOrder::MIN_TO_MAX, grid.Width(),
                                  grid.XAxisCellCount()});
    root.TranslationField()->SetX(static_cast<float>(-axis.LabelHeight() / 2.0));
    root.TranslationField()->SetZ(Scaled(1.05, grid.Depth()));
    root.RotationField()->SetEulerValues(-1.5708f, 1.5708f, 0.0f);
    axis.AlignHeader();
}

// Labels along Z at the right edge.
void LayOutScatterZAxis(const GridInfo& grid, ContinuousAxis& axis) {
    auto& root = FitToEdge(axis, {LabelAlignment::LEFT_ALIGN, LabelingOrder::MIN_TO_MAX, grid.Depth(),
                                  grid.ZAxisCellCount()});
    root.TranslationField()->SetX(Scaled(1.02, grid.Width()));
    root.TranslationField()->SetZ(static_cast<float>(-axis.LabelHeight() / 2.0));
    root.RotationField()->SetEulerValues(-1.5708f, 0.0f, 0.0f);
    axis.AlignHeader();
}

// The key-frame form and the time sensor's loop flag of an analog loop style.
struct AnalogForm {
    KeyFrameForm form;
    bool loop;
};

AnalogForm FormOf(LoopStyle style) {
    switch (style) {
        case LoopStyle::VRML_LOOP_CONTINUOUS: return {KeyFrameForm::ClosedLoop, true};
        case LoopStyle::VRML_LOOP_BREAK: return {KeyFrameForm::Linear, true};
        case LoopStyle::VRML_BACK_AND_FORTH: return {KeyFrameForm::BackAndForth, true};
        default: return {KeyFrameForm::Linear, false};
    }
}

}  // namespace

ScatterGraph::ScatterGraph()
    : background_(std::make_shared<BackgroundInfo>()),
      grid_(std::make_shared<GridInfo>()),
      title_(std::make_shared<TextInfo>()),
      legend_(std::make_shared<ScatterLegendInfo>()),
      xAxis_(std::make_shared<ContinuousAxis>()),
      yAxis_(std::make_shared<ContinuousAxis>()),
      zAxis_(std::make_shared<ContinuousAxis>()),
      slider_(std::make_shared<SliderInfo>()),
      drillUp_(std::make_shared<DrillUpInfo>()),
      viewpoints_(std::make_shared<ViewpointCollection>()),
      lights_(std::make_shared<LightCollection>()) {
    CreateRoot();
    animationGroup_ = MakeCoreNode<holvane::Group>();
    interpolationGroup_ = MakeCoreNode<holvane::Group>();
    interpolator_ = MakeCoreNode<holvane::CoordinateInterpolator>();
    interpolator_->SetDEFName("LOC_INT");
    timeKeeper_ = MakeCoreNode<holvane::TimeSensor>();
    timeKeeper_->SetDEFName("TIME_KEEPER");
    interpolationGroup_->ChildrenField()->Add(interpolator_);
    interpolationGroup_->ChildrenField()->Add(timeKeeper_);
    frameSwitch_ = MakeCoreNode<holvane::Switch>();
    frameSwitch_->SetDEFName("FRAME_SWITCH");

    auto& children = *Root().ChildrenField();
    for (const ISceneRoot* part : std::initializer_list<const ISceneRoot*>{
             background_.get(), title_.get(), grid_.get(), xAxis_.get(), yAxis_.get(), zAxis_.get(),
             viewpoints_.get(), lights_.get()})
        children.Add(part->RootNode());
    children.Add(animationGroup_);
}

void ScatterGraph::SetPointFrameCount(std::int16_t n) {
    if (n < 1) holvane::Fail("There must be at least one point frame in the scene");
    while (frames_.Count() > n) frames_.RemoveSeries(static_cast<std::int16_t>(n + 1));
    while (frames_.Count() < n) frames_.AddSeries(std::make_shared<PointCollection>());
}

void ScatterGraph::SetFrameTimeGap(double value) {
    if (!(value >= 1.0)) holvane::Fail("The frame time gap must take at least 1 second");
    frameTimeGap_ = value;
}

void ScatterGraph::Attach(const std::shared_ptr<holvane::Node>& node) {
    const auto& children = Root().ChildrenField()->Values();
    if (std::find(children.begin(), children.end(), node) == children.end()) Root().ChildrenField()->Add(node);
}

void ScatterGraph::PrepareExport(holvane::RouteCollection& routes) {
    auto title = title_->RootTransform()->TranslationField();
    title->SetX(grid_->Width() / 2);
    title->SetY(grid_->Height() * 1.1f);
    LayOutScatterXAxis(*grid_, *xAxis_);
    LayOutYAxis(*grid_, *yAxis_);
    LayOutScatterZAxis(*grid_, *zAxis_);
    PlaceLegend(*grid_, legend_->Legend());
    Attach(legend_->RootNode());
    if (useDrillUp_) {
        LayOutDrillUp(*grid_, *drillUp_);
        Attach(drillUp_->RootNode());
    } else {
        Root().ChildrenField()->RemoveNode(drillUp_->RootNode());
    }
    if (animationStyle_ == AnimationStyle::VRML_DISCRETE) {
        ExportFrameSwitch(routes);
    } else {
        Root().ChildrenField()->RemoveNode(slider_->RootNode());
        ExportInterpolation(routes);
    }
}

void ScatterGraph::ExportInterpolation(holvane::RouteCollection& routes) {
    // The collection's own error, with what the host has to do about it.
    if (frames_.Count() == 0)
        holvane::Fail("Invalid index into the list: the scatter graph has no point frames (set PointFrameCount first)");
    const auto first = frames_.Get1Series(1);
    const AnalogForm analog = FormOf(loopStyle_);
    timeKeeper_->LoopField()->SetValue(analog.loop);
    animationGroup_->ChildrenField()->Clear();
    const std::size_t gaps =
        BuildKeyFrames(frames_.Items(), analog.form, *interpolator_->KeyField(), *interpolator_->KeyValueField());
    if (gaps > 0) {
        timeKeeper_->CycleIntervalField()->SetValue(static_cast<double>(gaps) * frameTimeGap_);
        routes.Add(timeKeeper_, "fraction_changed", interpolator_, "set_fraction");
        first->SphereCollectionNode()->SetDEFName("POINT_COLLECTION");
        routes.Add(interpolator_, "value_changed", first->SphereCollectionNode(), "set_locations");
    }
    animationGroup_->ChildrenField()->Add(interpolationGroup_);
    animationGroup_->ChildrenField()->Add(first->RootNode());
}

void ScatterGraph::ExportFrameSwitch(holvane::RouteCollection& routes) {
    animationGroup_->ChildrenField()->Clear();
    auto& choice = *frameSwitch_->ChoiceField();
    choice.Clear();
    for (const auto& frame : frames_.Items()) choice.Add(frame->RootNode());
    frameSwitch_->WhichChoiceField()->SetValue(0);
    animationGroup_->ChildrenField()->Add(frameSwitch_);
    if (frames_.Count() >= 2)
        ExportSlider(routes);
    else
        Root().ChildrenField()->RemoveNode(slider_->RootNode());
}

void ScatterGraph::ExportSlider(holvane::RouteCollection& routes) {
    const std::int16_t n = frames_.Count();
    const float labelHeight = xAxis_->LabelHeight();
    slider_->SetLabelColor(title_->TextColor());
    slider_->SetLabelHeight(labelHeight);
    slider_->SetSliderOrientation(SliderAlignment::ZERO_AT_TOP);
    slider_->SetSliderMin(0);
    slider_->SetSliderMax(static_cast<std::int16_t>(n - 1));
    auto& labels = *slider_->Labels();
    labels.Clear();
    for (std::int16_t f = 1; f <= n; ++f) {
        const std::string& description = frames_.Get1Series(f)->Description();
        labels.Add(description.empty() ? "Point frame " + std::to_string(f) : description);
    }
    slider_->SetSliderLength(static_cast<float>(1.5 * n * labelHeight));
    slider_->SetSliderRadius(0.2f);
    slider_->SetTextAlignment(SliderTextAlignment::RIGHT_ALIGN_TEXT);
    slider_->AlignSlider();
    auto& root = *slider_->RootTransform();
    root.TranslationField()->SetX(static_cast<float>(1.1 * grid_->Width() + slider_->SliderLength()));
    root.RotationField()->SetEulerValues(-1.5708f, 1.5708f, 0.0f);
    Attach(slider_->RootNode());
    routes.Add(slider_->SliderNode(), "value_changed", frameSwitch_, "set_whichChoice");
}

}  // namespace atrium
