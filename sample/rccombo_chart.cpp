#include "atrium/rc_combo_graph.hpp"
#include "combo_surface.hpp"
#include "graph_builders.hpp"
#include "grid_settings.hpp"
#include "line_series_data.hpp"

namespace atrium_test {

bool BuildRCComboGraph(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file) {
    auto graph = factory.CreateRCComboGraph();
    ApplyGridSettings(*graph, {.title = "Atrium Surface/Column Graph",
                               .width = 10, .height = 8, .depth = 8,
                               .xCells = 10, .yCells = 5, .zCells = 4,
                               .keyStyle = atrium::LegendKeyStyle::SPHERE_STYLE,
                               .seriesToggle = true,
                               .xLabels = {"Row 1", "Row 2", "Row 3", "Row 4", "Row 5", "Row 6", "Row 7", "Row 8",
                                           "Row 9", "Row 10"},
                               .zLabels = {"Column 1", "Column 2", "Column 3", "Column 4"},
                               .xHeader = "", .yHeader = "", .zHeader = "",
                               .yLabelHeight = 0.5f,
                               .drillOff = false});

    using enum atrium::VRMLPopupAlignment;
    const struct {
        LineSeriesLook look;
        float shininess;  // 0: the material's own
    } ribbons[] = {
        {{"First series", 9557545, 0, 0.7f, VRML_RIGHT}, 0},
        {{"Second series", 12451839, 0, 0.6f, VRML_RIGHT}, 0.3f},
        {{"Third series", 13601584, 0, 0.3f, VRML_RIGHT}, 0.6f},
        {{"Fourth series", 11175074, 0, 0.2f, VRML_RIGHT}, 0.8f},
    };
    for (std::int16_t i = 1; i <= 4; ++i) {
        auto series = graph->GetSeries(i);
        series->SetStyle(atrium::RibbonStyle::ROUNDED_RIBBON);
        series->SetDepth(0.6f);
        series->SetThickness(0.3f);
        series->SetBevelRadius(0.1f);
        const auto& r = ribbons[i - 1];
        if (r.shininess > 0) series->Material()->ShininessField()->SetValue(r.shininess);
        DressLineSeries(*series, r.look, random, 10, 8, 2);
    }
    graph->SetSurfaceCount(1);
    DressComboSurface(*graph->GetSurface(1), random, 10, 4, 8);

    AddInitialViewpoint(*graph->Viewpoints(), "Initial view point");
    return graph->ExportToFile(file.string());
}

}  // namespace atrium_test
