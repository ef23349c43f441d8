// Random sequences of public calls on the pie, scatter, surface, density and the two
// combination graphs: the first byte picks the kind, the rest are calls as in graph_calls_fuzz,
// then two exports that must agree (see fuzz_graph.hpp).
#include <cstdint>

#include "atrium/density_graph.hpp"
#include "atrium/graph_factory.hpp"
#include "atrium/pie_graph.hpp"
#include "atrium/rc_combo_graph.hpp"
#include "atrium/sc_combo_graph.hpp"
#include "atrium/scatter_graph.hpp"
#include "atrium/surface_graph.hpp"
#include "atrium/template_ctl.hpp"
#include "fuzz_graph.hpp"

namespace {

using namespace atrium;

// A 1-based position below 6, so picks mostly hit and sometimes miss.
std::int16_t Index(FuzzInput& in) { return static_cast<std::int16_t>(in.Byte() % 6); }

template <class G>
void Append(GraphCalls<G>& calls, const GraphCalls<G>& more) {
    calls.insert(calls.end(), more.begin(), more.end());
}

// The title and background every kind has.
template <class G>
GraphCalls<G> TitleCalls() {
    return {
        [](G& g, FuzzInput& in) { g.TitleProps()->SetText(in.Text()); },
        [](G& g, FuzzInput& in) { g.TitleProps()->SetTextHeight(in.Float()); },
        [](G& g, FuzzInput& in) { g.TitleProps()->SetIsBillboarded(in.Bool()); },
        [](G& g, FuzzInput& in) { g.BackgroundProps()->SetUseBackgroundColorFade(in.Bool()); },
        [](G& g, FuzzInput& in) { g.LegendProps()->SetTextHeight(in.Float()); },
        [](G& g, FuzzInput& in) { g.LegendProps()->SetIsBillboarded(in.Bool()); },
    };
}

// The grid and the axis every kind but the pie has.
template <class G>
GraphCalls<G> GridCalls() {
    return {
        [](G& g, FuzzInput& in) { g.GridProps()->SetXAxisCellCount(in.Count()); },
        [](G& g, FuzzInput& in) { g.GridProps()->SetYAxisCellCount(in.Count()); },
        [](G& g, FuzzInput& in) { g.GridProps()->SetZAxisCellCount(in.Count()); },
        [](G& g, FuzzInput& in) { g.GridProps()->SetWidth(in.Float()); },
        [](G& g, FuzzInput& in) { g.GridProps()->SetHeight(in.Float()); },
        [](G& g, FuzzInput& in) { g.GridProps()->SetDepth(in.Float()); },
        [](G& g, FuzzInput& in) { g.YAxisProps()->SetMin(in.Float()); },
        [](G& g, FuzzInput& in) { g.YAxisProps()->SetMax(in.Float()); },
        [](G& g, FuzzInput& in) { g.YAxisProps()->SetNumericFormat(in.Text()); },
        [](G& g, FuzzInput& in) { g.XAxisProps()->SetHeader(in.Text()); },
    };
}

// The surfaces of the surface graph and the combination graphs.
template <class G>
GraphCalls<G> SurfaceCalls() {
    return {
        [](G& g, FuzzInput& in) { g.SetSurfaceCount(in.Count()); },
        [](G& g, FuzzInput& in) { g.GetSurface(Index(in))->SurfaceNode()->HeightField()->Add(in.Float()); },
        [](G& g, FuzzInput& in) { g.GetSurface(Index(in))->SetLegendText(in.Text()); },
        [](G& g, FuzzInput& in) { g.GetSurface(Index(in))->SetWireColor(in.Int()); },
        [](G& g, FuzzInput& in) { g.GetSurface(Index(in))->SetPopupZOffset(in.Float()); },
        [](G& g, FuzzInput& in) { g.GetSurface(Index(in))->PopupProps()->SetUsePopups(in.Bool()); },
        [](G& g, FuzzInput& in) { g.GetSurface(Index(in))->PopupProps()->SetTextHeight(in.Float()); },
    };
}

GraphCalls<PieGraph> PieCalls() {
    GraphCalls<PieGraph> calls = {
        [](PieGraph& g, FuzzInput& in) { g.SetSliceCount(in.Count()); },
        [](PieGraph& g, FuzzInput& in) { g.SetRadius(in.Float()); },
        [](PieGraph& g, FuzzInput& in) { g.SetInnerRadius(in.Float()); },
        [](PieGraph& g, FuzzInput& in) { g.SetBevelRadius(in.Float()); },
        [](PieGraph& g, FuzzInput& in) { g.SetSliceTextDisplayStyle(static_cast<SliceTextVisibility>(in.Byte() % 3)); },
        [](PieGraph& g, FuzzInput& in) { g.SetUseSpinAxis(in.Bool()); },
        [](PieGraph& g, FuzzInput& in) { g.SetUseDrillUp(in.Bool()); },
        [](PieGraph& g, FuzzInput& in) { g.GetSlice(Index(in))->SetPercentage(in.Float()); },
        [](PieGraph& g, FuzzInput& in) { g.GetSlice(Index(in))->SetHeight(in.Float()); },
        [](PieGraph& g, FuzzInput& in) { g.GetSlice(Index(in))->SetStyle(static_cast<SliceStyle>(in.Byte() % 4)); },
        [](PieGraph& g, FuzzInput& in) { g.GetSlice(Index(in))->SetLegendText(in.Text()); },
        [](PieGraph& g, FuzzInput& in) { g.GetSlice(Index(in))->SetUseDrillDown(in.Bool()); },
        [](PieGraph& g, FuzzInput& in) { g.GetSlice(Index(in))->SetShowInLegend(in.Bool()); },
        [](PieGraph& g, FuzzInput& in) { g.GetSlice(Index(in))->SliceTextProps()->SetText(in.Text()); },
    };
    Append(calls, TitleCalls<PieGraph>());
    return calls;
}

GraphCalls<ScatterGraph> ScatterCalls() {
    GraphCalls<ScatterGraph> calls = {
        [](ScatterGraph& g, FuzzInput& in) { g.SetPointFrameCount(in.Count()); },
        [](ScatterGraph& g, FuzzInput& in) {
            g.Get1PointFrame(Index(in))->AddPoint(in.Float(), in.Float(), in.Float(), in.Float(), in.Int(), in.Float());
        },
        [](ScatterGraph& g, FuzzInput& in) { g.Get1PointFrame(Index(in))->SetDescription(in.Text()); },
        [](ScatterGraph& g, FuzzInput& in) { g.SetFrameTimeGap(in.Float()); },
        [](ScatterGraph& g, FuzzInput& in) { g.SetAnimationLoopStyle(static_cast<LoopStyle>(in.Byte() % 5)); },
        [](ScatterGraph& g, FuzzInput& in) { g.SetPointAnimationStyle(static_cast<AnimationStyle>(in.Byte() % 3)); },
        [](ScatterGraph& g, FuzzInput& in) { g.SetUseDrillUp(in.Bool()); },
        [](ScatterGraph& g, FuzzInput& in) { g.LegendProps()->AddLegendEntry(in.Int(), in.Text()); },
        [](ScatterGraph& g, FuzzInput& in) { g.FrameSlider()->SetLabelHeight(in.Float()); },
        [](ScatterGraph& g, FuzzInput& in) { g.FrameSlider()->SetSliderLength(in.Float()); },
        [](ScatterGraph& g, FuzzInput& in) { g.FrameSlider()->SetSliderMin(in.Count()); },
        [](ScatterGraph& g, FuzzInput& in) { g.FrameSlider()->SetSliderMax(in.Count()); },
    };
    Append(calls, TitleCalls<ScatterGraph>());
    Append(calls, GridCalls<ScatterGraph>());
    return calls;
}

GraphCalls<SurfaceGraph> SurfaceGraphCalls() {
    GraphCalls<SurfaceGraph> calls = SurfaceCalls<SurfaceGraph>();
    Append(calls, TitleCalls<SurfaceGraph>());
    Append(calls, GridCalls<SurfaceGraph>());
    return calls;
}

GraphCalls<DensityGraph> DensityCalls() {
    GraphCalls<DensityGraph> calls = {
        [](DensityGraph& g, FuzzInput& in) { g.SetSurfaceCount(in.Count()); },
        [](DensityGraph& g, FuzzInput& in) { g.SetSigma(in.Float()); },
        [](DensityGraph& g, FuzzInput& in) { g.SetUseDrillUp(in.Bool()); },
        [](DensityGraph& g, FuzzInput& in) { g.GetSurface(Index(in))->PointList()->Add({in.Float(), in.Float()}); },
        [](DensityGraph& g, FuzzInput& in) { g.GetSurface(Index(in))->SetSigma(in.Float()); },
        [](DensityGraph& g, FuzzInput& in) { g.GetSurface(Index(in))->SetLegendText(in.Text()); },
    };
    Append(calls, TitleCalls<DensityGraph>());
    Append(calls, GridCalls<DensityGraph>());
    return calls;
}

GraphCalls<SCComboGraph> SCComboCalls() {
    GraphCalls<SCComboGraph> calls = {
        [](SCComboGraph& g, FuzzInput& in) { g.SetColumnsPerCell(in.Count()); },
        [](SCComboGraph& g, FuzzInput& in) {
            g.SetColumnSpacingStyle(static_cast<ColumnCellSpacing>(in.Byte() % 3));
        },
        [](SCComboGraph& g, FuzzInput& in) {
            const std::int16_t index = Index(in);
            g.GetSeries(index, Index(in))->Height()->Add(in.Float());
        },
        [](SCComboGraph& g, FuzzInput& in) {
            const std::int16_t index = Index(in);
            g.GetSeries(index, Index(in))->SetDepth(in.Float());
        },
    };
    Append(calls, SurfaceCalls<SCComboGraph>());
    Append(calls, TitleCalls<SCComboGraph>());
    Append(calls, GridCalls<SCComboGraph>());
    return calls;
}

GraphCalls<RCComboGraph> RCComboCalls() {
    GraphCalls<RCComboGraph> calls = {
        [](RCComboGraph& g, FuzzInput& in) { g.GetSeries(Index(in))->Height()->Add(in.Float()); },
        [](RCComboGraph& g, FuzzInput& in) { g.GetSeries(Index(in))->SetDepth(in.Float()); },
        [](RCComboGraph& g, FuzzInput& in) { g.GetSeries(Index(in))->SetLegendText(in.Text()); },
    };
    Append(calls, SurfaceCalls<RCComboGraph>());
    Append(calls, TitleCalls<RCComboGraph>());
    Append(calls, GridCalls<RCComboGraph>());
    return calls;
}

GraphFactory& Factory() {
    static const AtriumTemplateCtl control;
    return *control.CreateFactory();
}

// A new graph of the kind, driven by the rest of the input.
template <class G>
void Drive(std::shared_ptr<G> (GraphFactory::*create)(), const GraphCalls<G>& calls, FuzzInput& in) {
    auto graph = (Factory().*create)();
    RunCallsAndExport(*graph, calls, in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto pie = PieCalls();
    static const auto scatter = ScatterCalls();
    static const auto surface = SurfaceGraphCalls();
    static const auto density = DensityCalls();
    static const auto scCombo = SCComboCalls();
    static const auto rcCombo = RCComboCalls();
    FuzzInput in(data, size);
    switch (in.Byte() % 6) {
        case 0: Drive(&GraphFactory::CreatePieGraph, pie, in); break;
        case 1: Drive(&GraphFactory::CreateScatterGraph, scatter, in); break;
        case 2: Drive(&GraphFactory::CreateSurfaceGraph, surface, in); break;
        case 3: Drive(&GraphFactory::CreateDensityGraph, density, in); break;
        case 4: Drive(&GraphFactory::CreateSCComboGraph, scCombo, in); break;
        default: Drive(&GraphFactory::CreateRCComboGraph, rcCombo, in); break;
    }
    return 0;
}
