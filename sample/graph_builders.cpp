#include "graph_builders.hpp"

namespace atrium_test {

const std::vector<GraphBuilder>& GraphBuilders() {
    static const std::vector<GraphBuilder> builders = {
        {"area", "AreaGraphTest.wrl", BuildAreaChart},
        {"surface", "SurfaceGraphTest.wrl", BuildSurfaceChart},
        {"density", "DensityGraphTest.wrl", BuildDensityChart},
    };
    return builders;
}

}  // namespace atrium_test
