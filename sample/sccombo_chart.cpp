#include "atrium/sc_combo_graph.hpp"
#include "combo_surface.hpp"
#include "graph_builders.hpp"
#include "grid_settings.hpp"
#include "line_series_data.hpp"

namespace atrium_test {

bool BuildSCComboGraph(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file) {
    auto graph = factory.CreateSCComboGraph();
    ApplyGridSettings(*graph, {.title = "Atrium Surface/Column Graph",
                               .width = 12, .height = 8, .depth = 10,
                               .xCells = 5, .yCells = 5, .zCells = 4,
                               .keyStyle = atrium::LegendKeyStyle::SPHERE_STYLE,
                               .seriesToggle = false,
                               .xLabels = {"Row 1", "Row 2", "Row 3", "Row 4", "Row 5"},
                               .zLabels = {"Column 1", "Column 2", "Column 3", "Column 4"},
                               .xHeader = "X Axis", .yHeader = "Y Axis", .zHeader = "Z Axis",
                               .yLabelHeight = 0.5f});
    graph->SetColumnsPerCell(1);

    using enum atrium::VRMLPopupAlignment;
    const LineSeriesLook looks[] = {
        {"First series", 9557545, 0, 0.7f, VRML_RIGHT},
        {"Second series", 13601584, 0, 0.6f, VRML_RIGHT},
        {"Third series", 9961471, 0, 0.3f, VRML_RIGHT},
        {"Fourth series", 179, 0, 0.2f, VRML_RIGHT},
    };
    for (std::int16_t i = 1; i <= 4; ++i) {
        auto series = graph->GetSeries(i);
        series->SetStyle(atrium::ColumnStyle::ROUNDED_COLUMN);
        series->SetWidth(0.5f);
        series->SetDepth(0.6f);
        series->SetBevelRadius(0.2f);
        DressLineSeries(*series, looks[i - 1], random, 5, 8, 2);
    }
    graph->SetSurfaceCount(1);
    DressComboSurface(*graph->GetSurface(1), random, 5, 4, 8);

    AddInitialViewpoint(*graph->Viewpoints(), "Initial view point");
    return graph->ExportToFile(file.string());
}

}  // namespace atrium_test
