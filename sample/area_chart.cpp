#include "atrium/area_graph.hpp"
#include "graph_builders.hpp"
#include "grid_settings.hpp"
#include "line_series_data.hpp"

namespace atrium_test {

bool BuildAreaChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file) {
    auto graph = factory.CreateAreaGraph();
    ApplyGridSettings(*graph, {.title = "Atrium Area Graph",
                               .width = 10, .height = 8, .depth = 8,
                               .xCells = 5, .yCells = 5, .zCells = 3,
                               .keyStyle = atrium::LegendKeyStyle::SPHERE_STYLE,
                               .seriesToggle = true,
                               .xLabels = {"Row 1", "Row 2", "Row 3", "Row 4", "Row 5"},
                               .zLabels = {"First series", "Second series", "Third series"},
                               .xHeader = "X axis", .yHeader = "Y axis", .zHeader = "Z axis",
                               .yLabelHeight = 0.4f});

    const char* legendTexts[] = {"The first series", "The second series", "The third series"};
    const std::int32_t colours[] = {9557545, 12451839, 13601584};
    const float startFactors[] = {0.7f, 0.5f, 0.3f};
    for (std::int16_t i = 1; i <= 3; ++i) {
        auto series = graph->GetSeries(i);
        series->SetLegendText(legendTexts[i - 1]);
        series->Material()->DiffuseColorField()->SetRGBValue(colours[i - 1]);
        series->SetDepth(0.3f);
        ApplyPopupSettings(*series->PopupProps(), atrium::VRMLPopupAlignment::VRML_TOP);
        FillLineSeries(*series->Height(), *series->PopupProps(), random, 5, 8, startFactors[i - 1], 3, 15);
    }

    AddInitialViewpoint(*graph->Viewpoints(), "Initial viewpoint");
    return graph->ExportToFile(file.string());
}

}  // namespace atrium_test
