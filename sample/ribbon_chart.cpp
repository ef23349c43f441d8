#include "atrium/ribbon_graph.hpp"
#include "graph_builders.hpp"
#include "grid_settings.hpp"
#include "line_series_data.hpp"

namespace atrium_test {

bool BuildRibbonChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file) {
    auto graph = factory.CreateRibbonGraph();
    ApplyGridSettings(*graph, {.title = "Atrium Ribbon Graph",
                               .width = 10, .height = 8, .depth = 8,
                               .xCells = 8, .yCells = 5, .zCells = 3,
                               .keyStyle = atrium::LegendKeyStyle::BOX_STYLE,
                               .seriesToggle = true,
                               .xLabels = {"Row 1", "Row 2", "Row 3", "Row 4", "Row 5", "Row 6", "Row 7", "Row 8"},
                               .zLabels = {"First series", "Second series", "Third series"},
                               .xHeader = "X axis", .yHeader = "Y axis", .zHeader = "Z axis",
                               .yLabelHeight = 0.5f});

    using enum atrium::VRMLPopupAlignment;
    const LineSeriesLook looks[] = {
        {"The first series", 9557545, 0, 0.7f, VRML_RIGHT},
        {"The second series", 12451839, 0.5f, 0.5f, VRML_TOP},
        {"The third series", 13601584, 0, 0.3f, VRML_RIGHT},
    };
    for (std::int16_t i = 1; i <= 3; ++i) {
        auto series = graph->GetSeries(i);
        series->SetStyle(atrium::RibbonStyle::ROUNDED_RIBBON);
        series->SetDepth(0.6f);
        series->SetThickness(0.3f);
        series->SetBevelRadius(0.1f);
        DressLineSeries(*series, looks[i - 1], random, 8, 8, 3);
    }

    AddInitialViewpoint(*graph->Viewpoints(), "Initial viewpoint");
    return graph->ExportToFile(file.string());
}

}  // namespace atrium_test
