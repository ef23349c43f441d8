#pragma once
// The factory of the nine graph kinds, handed out by the template control.
#include <cstdint>
#include <memory>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

class AreaGraph;
class ColumnGraph;
class PieGraph;
class RibbonGraph;
class ScatterGraph;
class SurfaceGraph;
class DensityGraph;
class SCComboGraph;
class RCComboGraph;

// Creates graphs. Each call builds a new, complete graph that takes its node factories from
// frmMain and the proto path from its process-wide value while it is being constructed.
// A graph kind that this build does not hold raises holvane::Error with number
// kGraphNotAvailable and the text "The <kind> graph is not available in this build".
class GraphFactory {
public:
    // The error number of a graph kind that this build does not hold ("not implemented").
    static constexpr std::uint32_t kGraphNotAvailable = 0x80004001u;

    std::shared_ptr<AreaGraph> CreateAreaGraph();
    std::shared_ptr<ColumnGraph> CreateColumnGraph();
    std::shared_ptr<PieGraph> CreatePieGraph();
    std::shared_ptr<RibbonGraph> CreateRibbonGraph();
    std::shared_ptr<ScatterGraph> CreateScatterGraph();
    std::shared_ptr<SurfaceGraph> CreateSurfaceGraph();
    std::shared_ptr<DensityGraph> CreateDensityGraph();
    // A surface and column combination graph.
    std::shared_ptr<SCComboGraph> CreateSCComboGraph();
    // A ribbon and surface combination graph.
    std::shared_ptr<RCComboGraph> CreateRCComboGraph();
};

}  // namespace atrium
ATRIUM_EXPORT_END
