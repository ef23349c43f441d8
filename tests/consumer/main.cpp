// Builds each of the nine graph kinds through the one header a host includes, writes an area
// graph of two series into the file named by the first argument and checks that every other
// kind exports a world.
#include <atrium/atrium.hpp>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: consumer WORLD.wrl\n");
        return 2;
    }
    atrium::AtriumTemplateCtl control;
    std::shared_ptr<atrium::GraphFactory> factory = control.CreateFactory();
    const std::function<std::string()> kinds[] = {
        [&] { return factory->CreateColumnGraph()->ExportToString(true, true); },
        [&] { return factory->CreatePieGraph()->ExportToString(true, true); },
        [&] { return factory->CreateRibbonGraph()->ExportToString(true, true); },
        [&] {
            auto scatter = factory->CreateScatterGraph();
            scatter->SetPointFrameCount(1);  // a scatter graph exports its point frames
            return scatter->ExportToString(true, true);
        },
        [&] { return factory->CreateSurfaceGraph()->ExportToString(true, true); },
        [&] { return factory->CreateDensityGraph()->ExportToString(true, true); },
        [&] { return factory->CreateSCComboGraph()->ExportToString(true, true); },
        [&] { return factory->CreateRCComboGraph()->ExportToString(true, true); },
    };
    for (const auto& exported : kinds)
        if (exported().rfind("#VRML V2.0 utf8\n", 0) != 0) return 1;

    auto graph = factory->CreateAreaGraph();
    graph->GridProps()->SetXAxisCellCount(3);
    graph->GridProps()->SetZAxisCellCount(2);
    graph->GetSeries(1)->Height()->Values() = {0.2f, 0.6f, 0.4f};
    graph->GetSeries(2)->Height()->Values() = {0.5f, 0.3f, 0.9f};
    std::printf("Atrium %s\n", ATRIUM_VERSION_STRING);
    return graph->ExportToFile(argv[1]) ? 0 : 1;
}
