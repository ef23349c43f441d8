#include "graph_builders.hpp"

namespace atrium_test {

const std::vector<GraphBuilder>& GraphBuilders() {
    static const std::vector<GraphBuilder> builders = {
        {"area", "AreaGraphTest.wrl", BuildAreaChart},
        {"scatter", "ScatterGraphTest.wrl", BuildScatterChart},
    };
    return builders;
}

}  // namespace atrium_test
