#include "atrium/density_graph.hpp"
#include "graph_builders.hpp"
#include "grid_settings.hpp"
#include "surface_look.hpp"

namespace atrium_test {

bool BuildDensityChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file) {
    auto graph = factory.CreateDensityGraph();
    ApplyFrameSettings(*graph, {.title = "Atrium Density Graph",
                                .width = 10, .height = 8, .depth = 8,
                                .xCells = 10, .yCells = 5, .zCells = 6,
                                .keyStyle = atrium::LegendKeyStyle::SPHERE_STYLE,
                                .seriesToggle = true,
                                .xLabels = {}, .zLabels = {},
                                .xHeader = "", .yHeader = "", .zHeader = "",
                                .yLabelHeight = 0.5f});
    graph->TitleProps()->SetTextHeight(1);
    graph->TitleProps()->SetTextColor(6835535);
    graph->LegendProps()->SetIsBillboarded(false);
    graph->GridProps()->SetLineColor(10682180);

    struct Axis {
        atrium::ContinuousAxis& axis;
        float labelHeight, max;
    };
    for (const Axis& a : {Axis{*graph->XAxisProps(), 0.4f, 20}, Axis{*graph->YAxisProps(), 0.5f, 15},
                          Axis{*graph->ZAxisProps(), 0.4f, 10}}) {
        StyleAxis(a.axis, a.labelHeight, "");
        a.axis.SetMin(0);
        a.axis.SetMax(a.max);
    }
    graph->SetSigma(0.8f);

    // The first surface's points fall in the quarter at the grid's origin corner, the second's in the opposite one.
    const SurfaceLook looks[] = {{"Primary surface", 7054151, 0, 0}, {"Secondary surface", 9915136, 0.5f, 13429956}};
    const float offsets[] = {0, 0.5f};  // of the points, as a fraction of the grid
    graph->SetSurfaceCount(2);
    const float w = graph->GridProps()->Width(), d = graph->GridProps()->Depth();
    for (std::int16_t i = 1; i <= 2; ++i) {
        auto surface = graph->GetSurface(i);
        ApplySurfaceLook(*surface, looks[i - 1]);
        const float offset = offsets[i - 1];
        for (int k = 0; k < 10; ++k) {
            const float x = random.Next() * w / 2 + offset * w;
            const float z = random.Next() * d / 2 + offset * d;
            surface->PointList()->Add({x, z});
        }
    }

    AddInitialViewpoint(*graph->Viewpoints(), "Initial view point");
    return graph->ExportToFile(file.string());
}

}  // namespace atrium_test
