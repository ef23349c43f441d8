#include "atrium/pie_graph.hpp"
#include "graph_builders.hpp"
#include "grid_settings.hpp"

namespace atrium_test {

bool BuildPieChart(atrium::GraphFactory& factory, SampleRandom&, const std::filesystem::path& file) {
    auto graph = factory.CreatePieGraph();
    graph->BackgroundProps()->SetBackgroundColor(10785164);
    graph->BackgroundProps()->SetUseBackgroundColorFade(false);

    auto title = graph->TitleProps();
    title->SetText("Atrium Pie Graph");
    title->SetTextFont(atrium::VRMLFontFamily::VRML_SANS);
    title->SetTextStyle(atrium::VRMLFontStyle::VRML_BOLD);
    title->SetTextColor(16777215);
    title->SetTextHeight(1.5f);

    auto legend = graph->LegendProps();
    legend->SetIsBillboarded(true);
    legend->SetTextHeight(0.6f);
    legend->SetTextColor(0);
    legend->SetKeyStyle(atrium::LegendKeyStyle::BOX_STYLE);
    legend->SetUseSeriesToggle(true);

    graph->SetSliceCount(4);
    graph->SetRadius(4);
    graph->SetInnerRadius(2);
    graph->SetBevelRadius(0.5f);
    graph->SetUseSpinAxis(true);
    graph->SetSliceTextDisplayStyle(atrium::SliceTextVisibility::SHOW_ALWAYS);

    const struct {
        float percentage, height;
        const char* legendText;
        const char* text;
        std::int32_t colour;
        float transparency;
    } slices[] = {{0.1f, 1.6f, "First slice", "Slice 1 : 10%", 9557545, 0.5f},
                  {0.2f, 1.8f, "Second slice", "Slice 2 : 20%", 13601584, 0},
                  {0.4f, 2.2f, "Third slice", "Slice 3 : 40%", 10813439, 0.5f},
                  {0.3f, 2.0f, "Fourth slice", "Slice 4 : 30%", 179, 0}};
    for (std::int16_t i = 1; i <= 4; ++i) {
        const auto& s = slices[i - 1];
        auto slice = graph->GetSlice(i);
        slice->SetPercentage(s.percentage);
        slice->SetLegendText(s.legendText);
        slice->SetHeight(s.height);
        slice->Material()->DiffuseColorField()->SetRGBValue(s.colour);
        slice->Material()->TransparencyField()->SetValue(s.transparency);
        slice->SetStyle(atrium::SliceStyle::RING_SLICE);
        auto text = slice->SliceTextProps();
        text->SetText(s.text);
        text->SetTextFont(atrium::VRMLFontFamily::VRML_SANS);
        text->SetTextHeight(0.75f);
        text->SetTextColor(16777215);
        slice->SetUseDrillDown(false);
    }

    AddInitialViewpoint(*graph->Viewpoints(), "Initial viewpoint");
    return graph->ExportToFile(file.string());
}

}  // namespace atrium_test
