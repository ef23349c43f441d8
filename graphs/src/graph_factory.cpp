#include "atrium/graph_factory.hpp"

#include <string>
#include <string_view>

#include "atrium/area_graph.hpp"
#include "atrium/column_graph.hpp"
#include "atrium/density_graph.hpp"
#include "atrium/pie_graph.hpp"
#include "atrium/ribbon_graph.hpp"
#include "atrium/scatter_graph.hpp"
#include "atrium/surface_graph.hpp"
#include "holvane/error.hpp"

namespace atrium {
namespace {

// Reports a graph kind whose classes this build does not hold.
[[noreturn]] void NotAvailable(std::string_view kind) {
    throw holvane::Error(GraphFactory::kGraphNotAvailable,
                         "The " + std::string(kind) + " graph is not available in this build");
}

}  // namespace

std::shared_ptr<AreaGraph> GraphFactory::CreateAreaGraph() { return std::make_shared<AreaGraph>(); }
std::shared_ptr<ColumnGraph> GraphFactory::CreateColumnGraph() { return std::make_shared<ColumnGraph>(); }
std::shared_ptr<PieGraph> GraphFactory::CreatePieGraph() { return std::make_shared<PieGraph>(); }
std::shared_ptr<RibbonGraph> GraphFactory::CreateRibbonGraph() { return std::make_shared<RibbonGraph>(); }
std::shared_ptr<ScatterGraph> GraphFactory::CreateScatterGraph() { return std::make_shared<ScatterGraph>(); }
std::shared_ptr<SurfaceGraph> GraphFactory::CreateSurfaceGraph() { return std::make_shared<SurfaceGraph>(); }
std::shared_ptr<DensityGraph> GraphFactory::CreateDensityGraph() { return std::make_shared<DensityGraph>(); }
std::shared_ptr<SCComboGraph> GraphFactory::CreateSCComboGraph() { NotAvailable("surface and column combination"); }
std::shared_ptr<RCComboGraph> GraphFactory::CreateRCComboGraph() { NotAvailable("ribbon and surface combination"); }

}  // namespace atrium
