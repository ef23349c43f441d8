#include <numeric>

#include "atrium/charts/point_charts.hpp"
#include "atrium/number_format.hpp"
#include "checks.hpp"
#include "look.hpp"
#include "ticks.hpp"

namespace atrium::charts {

namespace {

using namespace detail;

constexpr float kRadius = 4.0f;
constexpr float kSliceHeight = 1.0f;

void CheckPie(const PieData& data) {
    CheckNotEmpty(data.labels.size(), "The label list");
    CheckFits(data.labels.size(), "slices");
    CheckLength(data.values.size(), data.labels.size(), "The value list", "one per label");
    CheckFinite(data.values, "The value list");
    for (std::size_t k = 0; k < data.values.size(); ++k)
        if (data.values[k] < 0)
            BadInput("The value list: value at position " + std::to_string(k) + " (" + data.labels[k] +
                     ") is negative; a pie shows shares of a whole");
    if (std::reduce(data.values.begin(), data.values.end()) <= 0)
        BadInput("The value list adds up to 0; a pie needs a positive total");
}

std::shared_ptr<PieGraph> BuildPieGraph(const PieData& data, const ChartOptions& options) {
    CheckPie(data);
    const double total = std::reduce(data.values.begin(), data.values.end());
    const Box box = BoxFrom(options, {2 * kRadius, kSliceHeight, 2 * kRadius});
    const float radius = box.width / 2;
    TextSizes texts = TextsFor(box);

    auto graph = std::make_shared<PieGraph>();
    StyleFrame(*graph, options, texts);
    graph->LegendProps()->SetUseSeriesToggle(options.legend);
    graph->SetRadius(radius);
    graph->SetInnerRadius(radius / 2);
    graph->SetBevelRadius(0.05f * radius);
    graph->SetSliceTextDisplayStyle(SliceTextVisibility::SHOW_ALWAYS);
    graph->SetSliceCount(static_cast<std::int16_t>(data.labels.size()));
    const std::string pattern =
        options.valueFormat.empty() ? ValuePattern(DecimalsOf(NiceTicks(0, total).step)) : options.valueFormat;
    for (std::size_t i = 0; i < data.labels.size(); ++i) {
        auto slice = graph->GetSlice(static_cast<std::int16_t>(i + 1));
        const double share = data.values[i] / total;
        slice->SetPercentage(static_cast<float>(share));
        slice->SetHeight(box.height);
        slice->SetStyle(SliceStyle::ROUNDED_SLICE);
        slice->SetLegendText(data.labels[i]);
        slice->SetShowInLegend(options.legend);
        slice->Material()->DiffuseColorField()->SetRGBValue(ColourAt(options, i));
        auto text = slice->SliceTextProps();
        text->SetText(FormatNumber(data.values[i], pattern) + " (" + FormatNumber(share, "0%") + ")");
        text->SetTextFont(VRMLFontFamily::VRML_SANS);
        text->SetTextColor(kInk);
        text->SetTextHeight(texts.label);
    }
    const float legendWidth = 0.4f * radius + 8 * texts.legend;
    AddViewpoints(*graph->Viewpoints(), {-radius, 0, -radius, 1.4f * radius + legendWidth, 2.2f * box.height, radius});
    return graph;
}

}  // namespace

PieChart::PieChart(const PieData& data, const ChartOptions& options) : ChartOf(BuildPieGraph(data, options)) {}

}  // namespace atrium::charts
