#include "atrium/column_graph.hpp"
#include "graph_builders.hpp"
#include "grid_settings.hpp"
#include "line_series_data.hpp"

namespace atrium_test {

bool BuildColumnChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file) {
    auto graph = factory.CreateColumnGraph();
    ApplyGridSettings(*graph, {.title = "Atrium Column Graph",
                               .width = 10, .height = 8, .depth = 6,
                               .xCells = 5, .yCells = 5, .zCells = 2,
                               .keyStyle = atrium::LegendKeyStyle::SPHERE_STYLE,
                               .seriesToggle = false,
                               .xLabels = {"Row 1", "Row 2", "Row 3", "Row 4", "Row 5"},
                               .zLabels = {"First series", "Second series"},
                               .xHeader = "X Axis", .yHeader = "Y Axis", .zHeader = "Z Axis",
                               .yLabelHeight = 0.4f});
    graph->SetColumnsPerCell(2);
    graph->SetColumnSpacingStyle(atrium::ColumnCellSpacing::ADJACENT);

    // Row 1 and 2 are the Z cells, cells 1 and 2 the column slots; row 2 stays out of the legend.
    using enum atrium::VRMLPopupAlignment;
    const struct {
        std::int16_t row, cell;
        LineSeriesLook look;
    } columns[] = {
        {1, 1, {"First series", 9557545, 0, 0.5f, VRML_RIGHT}},
        {1, 2, {"Second series", 13601584, 0, 0.7f, VRML_TOP}},
        {2, 1, {"Third series", 9557545, 0.5f, 0.2f, VRML_RIGHT}},
        {2, 2, {"Fourth series", 13601584, 0.5f, 0.3f, VRML_RIGHT}},
    };
    for (const auto& c : columns) {
        auto series = graph->GetSeries(c.row, c.cell);
        series->SetStyle(atrium::ColumnStyle::ROUNDED_COLUMN);
        series->SetDepth(0.7f);
        series->SetWidth(0.5f);
        series->SetBevelRadius(0.15f);
        series->SetShowInLegend(c.row == 1);
        DressLineSeries(*series, c.look, random, 5, 8, 2);
    }

    AddInitialViewpoint(*graph->Viewpoints(), "Initial viewpoint");
    return graph->ExportToFile(file.string());
}

}  // namespace atrium_test
