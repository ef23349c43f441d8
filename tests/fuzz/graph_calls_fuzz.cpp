// Random sequences of public calls on an area graph, then two exports: they must give the same
// bytes, a well-formed UTF-8 world, and raise nothing but the library's error.
#include <cstdint>

#include "atrium/area_graph.hpp"
#include "atrium/graph_factory.hpp"
#include "atrium/template_ctl.hpp"
#include "fuzz_graph.hpp"

namespace {

using atrium::AreaGraph;

// A series of the graph picked by the input (none when the graph has none).
std::shared_ptr<atrium::AreaSeriesInfo> Pick(AreaGraph& g, FuzzInput& in) {
    const auto count = g.Series().Count();
    if (count == 0) return nullptr;
    return g.GetSeries(static_cast<std::int16_t>(in.Byte() % count + 1));
}

// One row per public call; each reads its arguments from the input.
const GraphCalls<AreaGraph>& Calls() {
    static const GraphCalls<AreaGraph> calls = {
        [](AreaGraph& g, FuzzInput& in) { g.GridProps()->SetXAxisCellCount(in.Count()); },
        [](AreaGraph& g, FuzzInput& in) { g.GridProps()->SetYAxisCellCount(in.Count()); },
        [](AreaGraph& g, FuzzInput& in) { g.GridProps()->SetZAxisCellCount(in.Count()); },
        [](AreaGraph& g, FuzzInput& in) { g.GridProps()->SetWidth(in.Float()); },
        [](AreaGraph& g, FuzzInput& in) { g.GridProps()->SetHeight(in.Float()); },
        [](AreaGraph& g, FuzzInput& in) { g.GridProps()->SetDepth(in.Float()); },
        [](AreaGraph& g, FuzzInput& in) { g.GridProps()->SetWallColor(in.Int()); },
        [](AreaGraph& g, FuzzInput& in) { g.GridProps()->SetTransparency(in.Float()); },
        [](AreaGraph& g, FuzzInput& in) { g.TitleProps()->SetText(in.Text()); },
        [](AreaGraph& g, FuzzInput& in) { g.TitleProps()->SetTextHeight(in.Float()); },
        [](AreaGraph& g, FuzzInput& in) { g.TitleProps()->SetIsBillboarded(in.Bool()); },
        [](AreaGraph& g, FuzzInput& in) { g.LegendProps()->SetTextHeight(in.Float()); },
        [](AreaGraph& g, FuzzInput& in) { g.LegendProps()->SetUseSeriesToggle(in.Bool()); },
        [](AreaGraph& g, FuzzInput& in) { g.LegendProps()->SetIsBillboarded(in.Bool()); },
        [](AreaGraph& g, FuzzInput& in) {
            g.LegendProps()->SetKeyStyle(static_cast<atrium::LegendKeyStyle>(in.Byte() % 4));
        },
        [](AreaGraph& g, FuzzInput& in) { g.XAxisProps()->Labels()->Add(in.Text()); },
        [](AreaGraph& g, FuzzInput& in) { g.XAxisProps()->SetHeader(in.Text()); },
        [](AreaGraph& g, FuzzInput& in) { g.XAxisProps()->SetLabelHeight(in.Float()); },
        [](AreaGraph& g, FuzzInput& in) { g.ZAxisProps()->Labels()->Add(in.Text()); },
        [](AreaGraph& g, FuzzInput& in) { g.ZAxisProps()->SetShowAxis(in.Bool()); },
        [](AreaGraph& g, FuzzInput& in) { g.YAxisProps()->SetMin(in.Float()); },
        [](AreaGraph& g, FuzzInput& in) { g.YAxisProps()->SetMax(in.Float()); },
        [](AreaGraph& g, FuzzInput& in) { g.YAxisProps()->SetCount(in.Count()); },
        [](AreaGraph& g, FuzzInput& in) { g.YAxisProps()->SetNumericFormat(in.Text()); },
        [](AreaGraph& g, FuzzInput& in) { g.YAxisProps()->SetLabelTextGap(in.Float()); },
        [](AreaGraph& g, FuzzInput& in) {
            if (auto s = Pick(g, in)) s->Height()->Add(in.Float());
        },
        [](AreaGraph& g, FuzzInput& in) {
            if (auto s = Pick(g, in)) s->SetLegendText(in.Text());
        },
        [](AreaGraph& g, FuzzInput& in) {
            if (auto s = Pick(g, in)) s->SetDepth(in.Float());
        },
        [](AreaGraph& g, FuzzInput& in) {
            if (auto s = Pick(g, in)) s->SetShowInLegend(in.Bool());
        },
        [](AreaGraph& g, FuzzInput& in) {
            if (auto s = Pick(g, in)) s->PopupProps()->SetUsePopups(in.Bool());
        },
        [](AreaGraph& g, FuzzInput& in) {
            if (auto s = Pick(g, in)) s->PopupProps()->PopupText()->Add(in.Text());
        },
        [](AreaGraph& g, FuzzInput& in) {
            if (auto s = Pick(g, in))
                s->PopupProps()->SetAlignment(static_cast<atrium::VRMLPopupAlignment>(in.Byte() % 6));
        },
        [](AreaGraph& g, FuzzInput& in) {
            if (auto s = Pick(g, in)) s->RootNode()->SetDEFName(in.Text());
        },
        [](AreaGraph& g, FuzzInput& in) { g.InteractivityProps()->SetUseDrillUp(in.Bool()); },
        [](AreaGraph& g, FuzzInput& in) { g.InteractivityProps()->DrillUpProps()->SetURL(in.Text()); },
        [](AreaGraph& g, FuzzInput& in) { g.InteractivityProps()->SetUseXAxisDrillDown(in.Bool()); },
        [](AreaGraph& g, FuzzInput& in) { g.InteractivityProps()->SetUseZAxisDrillDown(in.Bool()); },
        [](AreaGraph& g, FuzzInput& in) { g.BackgroundProps()->SetUseBackgroundColorFade(in.Bool()); },
    };
    return calls;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static atrium::AtriumTemplateCtl control;
    auto graph = control.CreateFactory()->CreateAreaGraph();
    FuzzInput in(data, size);
    RunCallsAndExport(*graph, Calls(), in);
    return 0;
}
