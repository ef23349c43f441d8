#include "atrium/density_graph.hpp"

#include <limits>
#include <string>

#include "atrium/axis_layout.hpp"
#include "atrium/density_estimate.hpp"
#include "atrium/drill_layout.hpp"
#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"
#include "series_layout.hpp"

namespace atrium {

namespace {

// Labels for every grid line of an axis of the given cell count.
std::int16_t LineCount(std::int16_t cells, const char* axis) {
    if (cells == std::numeric_limits<std::int16_t>::max())
        throw holvane::Error(holvane::kOverflow, std::string("Overflow: a ") + axis + " axis of " +
                                                     std::to_string(cells) +
                                                     " cells needs more labels than a 16-bit count holds");
    return static_cast<std::int16_t>(cells + 1);
}

// Three lattice points per grid cell; more than a 16-bit count holds is an overflow, not a
// silently wrapped lattice.
std::int16_t LatticeCount(std::int16_t cells, const char* axis) {
    const int points = 3 * cells;
    if (points > std::numeric_limits<std::int16_t>::max())
        throw holvane::Error(holvane::kOverflow, std::string("Overflow: a density lattice over ") +
                                                     std::to_string(cells) + " " + axis +
                                                     " cells needs more points than a 16-bit count holds");
    return static_cast<std::int16_t>(points);
}

holvane::Transform& RootOf(const ISceneRoot& part) { return static_cast<holvane::Transform&>(*part.RootNode()); }

}  // namespace

DensityGraph::DensityGraph()
    : background_(std::make_shared<BackgroundInfo>()),
      title_(std::make_shared<TextInfo>()),
      grid_(std::make_shared<GridInfo>()),
      legend_(std::make_shared<LegendInfo>()),
      xAxis_(std::make_shared<ContinuousAxis>()),
      yAxis_(std::make_shared<ContinuousAxis>()),
      zAxis_(std::make_shared<ContinuousAxis>()),
      drillUp_(std::make_shared<DrillUpInfo>()),
      viewpoints_(std::make_shared<ViewpointCollection>()),
      lights_(std::make_shared<LightCollection>()) {
    CreateRoot();
    surfacesGroup_ = MakeCoreNode<holvane::Group>();
    auto& children = *Root().ChildrenField();
    for (const ISceneRoot* part : std::initializer_list<const ISceneRoot*>{
             background_.get(), title_.get(), grid_.get(), legend_.get(), xAxis_.get(), yAxis_.get(), zAxis_.get(),
             viewpoints_.get(), lights_.get()})
        children.Add(part->RootNode());
    children.Add(surfacesGroup_);
}

std::shared_ptr<DensitySurfaceInfo> DensityGraph::GetSurface(std::int16_t index) const {
    if (index < 1 || index > surfaces_.Count())
        holvane::Fail("Invalid density surface index, surface count = " + std::to_string(surfaces_.Count()));
    return surfaces_.Get1Series(index);
}

void DensityGraph::SetSurfaceCount(std::int16_t value) {
    KeepOnePerCell<DensitySurfaceInfo>(surfaces_, value, [] { return std::make_shared<DensitySurfaceInfo>(); });
}

void DensityGraph::SetSigma(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid sigma value, must be greater than 1");
    sigma_ = value;
}

void DensityGraph::PrepareExport(holvane::RouteCollection& routes) {
    // Every surface is checked before anything is laid out, so a refused export leaves the graph as it was.
    for (std::size_t k = 0; k < surfaces_.Items().size(); ++k)
        RefuseNaNPoints(surfaces_.Items()[k]->PointList()->Values(), "Density surface " + std::to_string(k + 1));
    auto title = title_->RootTransform()->TranslationField();
    title->SetX(grid_->Width() / 2);
    title->SetY(grid_->Height() * 1.1f);
    PlaceLegend(*grid_, *legend_);
    LayOutAxes();
    if (useDrillUp_) {
        LayOutDrillUp(*grid_, *drillUp_);
        if (!drillUpAttached_) Root().ChildrenField()->Add(drillUp_->RootNode());
        drillUpAttached_ = true;
    }
    LayOutSurfaces(routes);
}

void DensityGraph::LayOutAxes() {
    const GridInfo& grid = *grid_;
    const std::int16_t xLines = LineCount(grid.XAxisCellCount(), "X");
    const std::int16_t zLines = LineCount(grid.ZAxisCellCount(), "Z");

    xAxis_->SetCount(xLines);
    xAxis_->SetAlignment(LabelAlignment::RIGHT_ALIGN);
    xAxis_->SetOrder(LabelingOrder::MIN_TO_MAX);
    xAxis_->SetLabelTextGap(grid.Width() / static_cast<float>(grid.XAxisCellCount()));
    auto& xRoot = RootOf(*xAxis_);
    xRoot.TranslationField()->SetX(-xAxis_->LabelHeight() / 2);
    xRoot.TranslationField()->SetZ(static_cast<float>(1.02 * grid.Depth()));
    xRoot.RotationField()->SetEulerValues(-1.5708f, 1.5708f, 0.0f);
    xAxis_->AlignHeader();

    LayOutYAxis(grid, *yAxis_);

    zAxis_->SetCount(zLines);
    zAxis_->SetAlignment(LabelAlignment::LEFT_ALIGN);
    zAxis_->SetOrder(LabelingOrder::MIN_TO_MAX);
    zAxis_->SetLabelTextGap(grid.Depth() / static_cast<float>(grid.ZAxisCellCount()));
    auto& zRoot = RootOf(*zAxis_);
    zRoot.TranslationField()->SetX(static_cast<float>(1.02 * grid.Width()));
    zRoot.TranslationField()->SetZ(-zAxis_->LabelHeight() / 2);
    zRoot.RotationField()->SetEulerValues(-1.5708f, 0.0f, 0.0f);
    zAxis_->AlignHeader();
}

void DensityGraph::LayOutSurfaces(holvane::RouteCollection& routes) {
    const GridInfo& grid = *grid_;
    const float w = grid.Width() / static_cast<float>(grid.XAxisCellCount());
    const float d = grid.Depth() / static_cast<float>(grid.ZAxisCellCount());
    const std::int16_t xPoints = LatticeCount(grid.XAxisCellCount(), "X");
    const std::int16_t zPoints = LatticeCount(grid.ZAxisCellCount(), "Z");
    legend_->ClearLegend();
    surfacesGroup_->ChildrenField()->Clear();
    LegendInfo::EntryBatch batch(*legend_);
    for (std::size_t k = 0; k < surfaces_.Items().size(); ++k) {
        DensitySurfaceInfo& surface = *surfaces_.Items()[k];
        surface.SetXCount(xPoints);
        surface.SetXSpacing(w / 3);
        surface.SetZCount(zPoints);
        surface.SetZSpacing(d / 3);
        surface.SetSigma(sigma_);
        surface.GenerateParzenMap(grid.Height());
        surface.RootTransform()->TranslationField()->SetY(0.02f);
        surfacesGroup_->ChildrenField()->Add(surface.RootNode());
        EnterInLegend(*legend_, surface.Appearance(), surface.LegendText(), surface.ContentToggle(),
                      "SURFACE_" + std::to_string(k + 1), routes);
    }
}

}  // namespace atrium
