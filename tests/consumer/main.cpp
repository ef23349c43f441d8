// Writes an area graph of two series into the file named by the first argument.
#include <cstdio>

#include "atrium/area_graph.hpp"
#include "atrium/graph_factory.hpp"
#include "atrium/template_ctl.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: consumer WORLD.wrl\n");
        return 2;
    }
    atrium::AtriumTemplateCtl control;
    auto graph = control.CreateFactory()->CreateAreaGraph();
    graph->GridProps()->SetXAxisCellCount(3);
    graph->GridProps()->SetZAxisCellCount(2);
    graph->GetSeries(1)->Height()->Values() = {0.2f, 0.6f, 0.4f};
    graph->GetSeries(2)->Height()->Values() = {0.5f, 0.3f, 0.9f};
    return graph->ExportToFile(argv[1]) ? 0 : 1;
}
