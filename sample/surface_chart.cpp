#include "atrium/number_format.hpp"
#include "atrium/surface_graph.hpp"
#include "graph_builders.hpp"
#include "grid_settings.hpp"
#include "surface_look.hpp"

namespace atrium_test {

namespace {

// A random walk over the lattice, row by row, starting at gridHeight / 2 with steps in
// [-0.6, 0.6); each point's pop-up shows its value on the 0..15 Y axis.
void FillSurface(atrium::SurfaceInfo& surface, SampleRandom& random, std::int16_t xCells, std::int16_t zCells,
                 float gridHeight) {
    float value = gridHeight / 2;
    for (std::int16_t z = 1; z <= zCells; ++z)
        for (std::int16_t x = 1; x <= xCells; ++x) {
            value += 1.2f * random.Next() - 0.6f;
            surface.Set1HeightPoint(x, z, value, atrium::FormatNumber(value * 15 / gridHeight, "#0.00"));
        }
}

}  // namespace

bool BuildSurfaceChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file) {
    auto graph = factory.CreateSurfaceGraph();
    ApplyGridSettings(*graph, {.title = "Atrium Surface Graph",
                               .width = 10, .height = 8, .depth = 8,
                               .xCells = 10, .yCells = 5, .zCells = 5,
                               .keyStyle = atrium::LegendKeyStyle::SPHERE_STYLE,
                               .seriesToggle = true,
                               .xLabels = {"Row 1", "Row 2", "Row 3", "Row 4", "Row 5", "Row 6", "Row 7", "Row 8",
                                           "Row 9", "Row 10"},
                               .zLabels = {"Column 1", "Column 2", "Column 3", "Column 4", "Column 5"},
                               .xHeader = "", .yHeader = "", .zHeader = "",
                               .yLabelHeight = 0.5f});

    const SurfaceLook looks[] = {{"Primary surface", 7054151, 0, 0}, {"Secondary surface", 6687639, 0.5f, 13429956}};
    graph->SetSurfaceCount(2);
    for (std::int16_t i = 1; i <= 2; ++i) {
        auto surface = graph->GetSurface(i);
        ApplySurfaceLook(*surface, looks[i - 1]);
        auto popups = surface->PopupProps();
        popups->SetUsePopups(true);
        popups->SetTextHeight(0.5f);
        popups->SetBorderColor(0);
        popups->SetTextColor(0);
        popups->SetBackgroundColor(11460567);
        FillSurface(*surface, random, 10, 5, 8);
    }

    AddInitialViewpoint(*graph->Viewpoints(), "Initial view point");
    return graph->ExportToFile(file.string());
}

}  // namespace atrium_test
