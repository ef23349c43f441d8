#include "atrium/surface_combo_graph.hpp"

#include "atrium/proto_path.hpp"
#include "surface_layout.hpp"

namespace atrium {

SurfaceComboGraph::SurfaceComboGraph() : surfaces_(GridProps()), surfaceGroup_(MakeCoreNode<holvane::Group>()) {}

void SurfaceComboGraph::ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) {
    const float deepest = ExportComboSeries(seriesGroup, routes);
    LegendInfo& legend = *LegendProps();
    surfaceGroup_->ChildrenField()->Clear();
    LayOutSurfaces(*GridProps(), legend, surfaces_.Surfaces().Items(), *surfaceGroup_, routes,
                   legend.SeriesToggles()->Count() + 1, static_cast<float>(0.6 * deepest));
}

}  // namespace atrium
