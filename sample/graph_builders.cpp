#include "graph_builders.hpp"

namespace atrium_test {

const std::vector<GraphBuilder>& GraphBuilders() {
    static const std::vector<GraphBuilder> builders = {
        {"area", "AreaGraphTest.wrl", BuildAreaChart},
        {"ribbon", "RibbonGraphTest.wrl", BuildRibbonChart},
        {"column", "ColumnGraphTest.wrl", BuildColumnChart},
        {"pie", "PieGraphTest.wrl", BuildPieChart},
        {"scatter", "ScatterGraphTest.wrl", BuildScatterChart},
        {"surface", "SurfaceGraphTest.wrl", BuildSurfaceChart},
        {"density", "DensityGraphTest.wrl", BuildDensityChart},
        {"sccombo", "SCComboGraphTest.wrl", BuildSCComboGraph},
        {"rccombo", "RCComboGraphTest.wrl", BuildRCComboGraph},
    };
    return builders;
}

}  // namespace atrium_test
