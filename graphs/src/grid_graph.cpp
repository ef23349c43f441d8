#include "atrium/grid_graph.hpp"

#include <utility>

#include "atrium/axis_layout.hpp"
#include "atrium/drill_layout.hpp"
#include "atrium/proto_path.hpp"


namespace atrium {

GridGraph::GridGraph()
    : background_(std::make_shared<BackgroundInfo>()),
      grid_(std::make_shared<GridInfo>()),
      title_(std::make_shared<TextInfo>()),
      legend_(std::make_shared<LegendInfo>()),
      xAxis_(std::make_shared<DiscreteAxis>()),
      yAxis_(std::make_shared<ContinuousAxis>()),
      zAxis_(std::make_shared<DiscreteAxis>()) {}

void GridGraph::Assemble(std::shared_ptr<holvane::Group> lastGroup) {
    interactivity_ = std::make_shared<GridInteractivityInfo>();
    viewpoints_ = std::make_shared<ViewpointCollection>();
    lights_ = std::make_shared<LightCollection>();
    CreateRoot();
    seriesGroup_ = MakeCoreNode<holvane::Group>();
    auto& children = *Root().ChildrenField();
    for (const ISceneRoot* part : std::initializer_list<const ISceneRoot*>{
             background_.get(), title_.get(), grid_.get(), legend_.get(), xAxis_.get(), yAxis_.get(),
             zAxis_.get(), interactivity_.get(), viewpoints_.get(), lights_.get()})
        children.Add(part->RootNode());
    children.Add(seriesGroup_);
    if (lastGroup) children.Add(std::move(lastGroup));
}

void GridGraph::PrepareExport(holvane::RouteCollection& routes) {
    auto title = title_->RootTransform()->TranslationField();
    title->SetX(grid_->Width() / 2);
    title->SetY(grid_->Height() * 1.1f);
    PlaceLegend(*grid_, *legend_);
    LayOutAxes(*grid_, *xAxis_, *yAxis_, *zAxis_);
    legend_->ClearLegend();
    seriesGroup_->ChildrenField()->Clear();
    {
        LegendInfo::EntryBatch batch(*legend_);
        ExportSeries(*seriesGroup_, routes);
    }
    LayOutInteractivity(*grid_, *interactivity_, routes);
}

}  // namespace atrium
