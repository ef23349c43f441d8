#include "atrium/graph_factory.hpp"

#include "atrium/area_graph.hpp"
#include "atrium/column_graph.hpp"
#include "atrium/density_graph.hpp"
#include "atrium/pie_graph.hpp"
#include "atrium/rc_combo_graph.hpp"
#include "atrium/ribbon_graph.hpp"
#include "atrium/sc_combo_graph.hpp"
#include "atrium/scatter_graph.hpp"
#include "atrium/surface_graph.hpp"

namespace atrium {

std::shared_ptr<AreaGraph> GraphFactory::CreateAreaGraph() { return std::make_shared<AreaGraph>(); }
std::shared_ptr<ColumnGraph> GraphFactory::CreateColumnGraph() { return std::make_shared<ColumnGraph>(); }
std::shared_ptr<PieGraph> GraphFactory::CreatePieGraph() { return std::make_shared<PieGraph>(); }
std::shared_ptr<RibbonGraph> GraphFactory::CreateRibbonGraph() { return std::make_shared<RibbonGraph>(); }
std::shared_ptr<ScatterGraph> GraphFactory::CreateScatterGraph() { return std::make_shared<ScatterGraph>(); }
std::shared_ptr<SurfaceGraph> GraphFactory::CreateSurfaceGraph() { return std::make_shared<SurfaceGraph>(); }
std::shared_ptr<DensityGraph> GraphFactory::CreateDensityGraph() { return std::make_shared<DensityGraph>(); }
std::shared_ptr<SCComboGraph> GraphFactory::CreateSCComboGraph() { return std::make_shared<SCComboGraph>(); }
std::shared_ptr<RCComboGraph> GraphFactory::CreateRCComboGraph() { return std::make_shared<RCComboGraph>(); }

}  // namespace atrium
