#include "atrium/scatter_graph.hpp"
#include "graph_builders.hpp"
#include "grid_settings.hpp"

namespace atrium_test {
namespace {

// Weights of one frame's coordinates: x = a r W + b D, y = c r H + d D, z = e r D + f D.
struct FrameWeights {
    float a, b, c, d, e, f;
};

constexpr FrameWeights kFrames[] = {
    {0.5f, 0.5f, 0.8f, 0.2f, 0.7f, 0.3f}, {0.8f, 0.2f, 0.2f, 0.8f, 0.3f, 0.7f},
    {0.3f, 0.0f, 0.4f, 0.3f, 0.5f, 0.3f}, {0.6f, 0.4f, 0.7f, 0.3f, 0.5f, 0.5f},
    {0.8f, 0.2f, 0.2f, 0.8f, 0.3f, 0.7f}, {0.5f, 0.5f, 0.8f, 0.2f, 0.7f, 0.3f},
};
constexpr int kPointsPerFrame = 40;

// The colour of point number k (1-based): three categories.
std::int32_t PointColour(int k) { return k <= 6 ? 9557545 : k <= 13 ? 179 : 13601584; }

void StyleScatterGraph(atrium::ScatterGraph& graph) {
    graph.BackgroundProps()->SetBackgroundColor(15591394);
    graph.BackgroundProps()->SetUseBackgroundColorFade(false);

    auto title = graph.TitleProps();
    title->SetText("Atrium Scatter Graph");
    title->SetTextFont(atrium::VRMLFontFamily::VRML_SANS);
    title->SetTextStyle(atrium::VRMLFontStyle::VRML_BOLD);
    title->SetTextColor(6835535);
    title->SetTextHeight(1.0f);

    auto grid = graph.GridProps();
    grid->SetWidth(10);
    grid->SetHeight(8);
    grid->SetDepth(8);
    grid->SetXAxisCellCount(10);
    grid->SetYAxisCellCount(5);
    grid->SetZAxisCellCount(3);
    grid->SetWallColor(8404992);
    grid->SetLineColor(10682180);
    grid->SetTransparency(0.5f);

    auto legend = graph.LegendProps();
    legend->SetIsBillboarded(false);
    legend->SetTextHeight(0.6f);
    legend->SetTextColor(0);
    legend->SetKeyStyle(atrium::LegendKeyStyle::SPHERE_STYLE);
    legend->AddLegendEntry(9557545, "Category A");
    legend->AddLegendEntry(13601584, "Category B");
    legend->AddLegendEntry(179, "Category C");

    const struct {
        atrium::ContinuousAxis& axis;
        float min, max, labelHeight;
        const char* header;
    } axes[] = {{*graph.XAxisProps(), -120, 1945, 0.4f, "X axis"},
                {*graph.YAxisProps(), 0, 15, 0.5f, "Y axis"},
                {*graph.ZAxisProps(), 0, 5, 0.6f, "Z axis"}};
    for (const auto& a : axes) {
        StyleAxis(a.axis, a.labelHeight, a.header);
        a.axis.SetMin(a.min);
        a.axis.SetMax(a.max);
    }
}

}  // namespace

bool BuildScatterChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file) {
    auto graph = factory.CreateScatterGraph();
    StyleScatterGraph(*graph);

    const float w = graph->GridProps()->Width();
    const float h = graph->GridProps()->Height();
    const float d = graph->GridProps()->Depth();
    graph->SetPointFrameCount(std::size(kFrames));
    for (std::int16_t f = 1; f <= graph->PointFrameCount(); ++f) {
        const FrameWeights& k = kFrames[f - 1];
        auto frame = graph->Get1PointFrame(f);
        frame->SetDescription("Frame " + std::to_string(f));
        for (int p = 1; p <= kPointsPerFrame; ++p) {
            const float x = k.a * random.Next() * w + k.b * d;
            const float y = k.c * random.Next() * h + k.d * d;
            const float z = k.e * random.Next() * d + k.f * d;
            const float radius = 0.4f * random.Next() + 0.1f;
            const float transparency = 0.4f * random.Next();
            frame->AddPoint(x, y, z, radius, PointColour(p), transparency);
        }
    }
    graph->SetFrameTimeGap(2.5);
    graph->SetPointAnimationStyle(atrium::AnimationStyle::VRML_DISCRETE);

    AddInitialViewpoint(*graph->Viewpoints(), "Initial view point");
    return graph->ExportToFile(file.string());
}

}  // namespace atrium_test
