// The nine graph kinds with their series, surfaces, slices and point frames. A graph made here
// (atrium.ColumnGraph()) is the same object a chart hands out as its graph.
#include <pybind11/stl.h>

#include "atrium/area_graph.hpp"
#include "atrium/column_graph.hpp"
#include "atrium/density_graph.hpp"
#include "atrium/pie_graph.hpp"
#include "atrium/rc_combo_graph.hpp"
#include "atrium/ribbon_graph.hpp"
#include "atrium/sc_combo_graph.hpp"
#include "atrium/scatter_graph.hpp"
#include "atrium/surface_graph.hpp"
#include "bindings.hpp"

namespace atrium_python {
namespace {

using namespace atrium;

template <class T, class... Base>
using Class = py::class_<T, Base..., std::shared_ptr<T>>;

// The parts a graph kind hands out, each bound where the kind has it.
template <class G, class Cls>
void GraphParts(Cls& cls) {
    if constexpr (requires(G g) { g.BackgroundProps(); }) ReadOnly(cls, "BackgroundProps", &G::BackgroundProps);
    if constexpr (requires(G g) { g.TitleProps(); }) ReadOnly(cls, "TitleProps", &G::TitleProps);
    if constexpr (requires(G g) { g.GridProps(); }) ReadOnly(cls, "GridProps", &G::GridProps);
    if constexpr (requires(G g) { g.LegendProps(); }) ReadOnly(cls, "LegendProps", &G::LegendProps);
    if constexpr (requires(G g) { g.XAxisProps(); }) ReadOnly(cls, "XAxisProps", &G::XAxisProps);
    if constexpr (requires(G g) { g.YAxisProps(); }) ReadOnly(cls, "YAxisProps", &G::YAxisProps);
    if constexpr (requires(G g) { g.ZAxisProps(); }) ReadOnly(cls, "ZAxisProps", &G::ZAxisProps);
    if constexpr (requires(G g) { g.Viewpoints(); }) ReadOnly(cls, "Viewpoints", &G::Viewpoints);
    if constexpr (requires(G g) { g.Lights(); }) ReadOnly(cls, "Lights", &G::Lights);
}

// A live list of floats (a series' heights) as a Python list property.
template <class T, class Cls>
void Heights(Cls& cls) {
    Property(
        cls, "Height", [](const T& s) { return s.Height()->Values(); },
        [](T& s, std::vector<float> values) { s.Height()->Values() = std::move(values); });
}

// What every series, surface and slice shows in the legend and how it is coloured.
template <class T, class Cls>
void LegendEntry(Cls& cls) {
    ReadOnly(cls, "Material", &T::Material);
    Property(cls, "LegendText", &T::LegendText, &T::SetLegendText);
    if constexpr (requires(T t) { t.ShowInLegend(); }) Property(cls, "ShowInLegend", &T::ShowInLegend, &T::SetShowInLegend);
}

void BindSeries(py::module_& m) {
    py::enum_<ColumnStyle>(m, "ColumnStyle")
        .value("OUTLINED_COLUMN", ColumnStyle::OUTLINED_COLUMN)
        .value("ROUNDED_COLUMN", ColumnStyle::ROUNDED_COLUMN)
        .export_values();
    py::enum_<ColumnCellSpacing>(m, "ColumnCellSpacing")
        .value("EVENLY_SPACED", ColumnCellSpacing::EVENLY_SPACED)
        .value("ADJACENT", ColumnCellSpacing::ADJACENT)
        .export_values();
    py::enum_<RibbonStyle>(m, "RibbonStyle")
        .value("OUTLINED_RIBBON", RibbonStyle::OUTLINED_RIBBON)
        .value("ROUNDED_RIBBON", RibbonStyle::ROUNDED_RIBBON)
        .export_values();
    py::enum_<SliceStyle>(m, "SliceStyle")
        .value("OUTLINED_SLICE", SliceStyle::OUTLINED_SLICE)
        .value("ROUNDED_SLICE", SliceStyle::ROUNDED_SLICE)
        .value("RING_SLICE", SliceStyle::RING_SLICE)
        .export_values();
    py::enum_<SliceTextVisibility>(m, "SliceTextVisibility")
        .value("SHOW_ON_TOUCH", SliceTextVisibility::SHOW_ON_TOUCH)
        .value("SHOW_ALWAYS", SliceTextVisibility::SHOW_ALWAYS)
        .export_values();

    Class<AreaSeriesInfo> area(m, "AreaSeriesInfo", "One series of an area graph.");
    LegendEntry<AreaSeriesInfo>(area);
    Heights<AreaSeriesInfo>(area);
    Property(area, "Depth", &AreaSeriesInfo::Depth, &AreaSeriesInfo::SetDepth);

    Class<StyledSeriesInfo> styled(m, "StyledSeriesInfo", "What column and ribbon series share.");
    LegendEntry<StyledSeriesInfo>(styled);
    Heights<StyledSeriesInfo>(styled);
    Property(styled, "Depth", &StyledSeriesInfo::Depth, &StyledSeriesInfo::SetDepth);
    Property(styled, "BevelRadius", &StyledSeriesInfo::BevelRadius, &StyledSeriesInfo::SetBevelRadius);
    Class<ColumnSeriesInfo, StyledSeriesInfo> column(m, "ColumnSeriesInfo", "One series of columns.");
    Property(column, "Width", &ColumnSeriesInfo::Width, &ColumnSeriesInfo::SetWidth);
    Property(column, "Style", &ColumnSeriesInfo::Style, &ColumnSeriesInfo::SetStyle);
    Class<RibbonSeriesInfo, StyledSeriesInfo> ribbon(m, "RibbonSeriesInfo", "One ribbon series.");
    Property(ribbon, "Thickness", &RibbonSeriesInfo::Thickness, &RibbonSeriesInfo::SetThickness);
    Property(ribbon, "Style", &RibbonSeriesInfo::Style, &RibbonSeriesInfo::SetStyle);

    Class<SurfaceBody> body(m, "SurfaceBody", "What height and density surfaces share.");
    LegendEntry<SurfaceBody>(body);
    ColourProperty(body, "WireColor", &SurfaceBody::WireColor, &SurfaceBody::SetWireColor);
    Property(body, "XCount", &SurfaceBody::XCount, &SurfaceBody::SetXCount);
    Property(body, "ZCount", &SurfaceBody::ZCount, &SurfaceBody::SetZCount);
    Property(body, "XSpacing", &SurfaceBody::XSpacing, &SurfaceBody::SetXSpacing);
    Property(body, "ZSpacing", &SurfaceBody::ZSpacing, &SurfaceBody::SetZSpacing);
    Class<SurfaceInfo, SurfaceBody> surface(m, "SurfaceInfo", "A height surface with pop-ups.");
    Method(
        surface, "Set1HeightPoint",
        [](SurfaceInfo& s, std::int16_t x, std::int16_t z, float height, const std::string& popup) {
            s.Set1HeightPoint(x, z, height, popup);
        },
        py::arg("x_index"), py::arg("z_index"), py::arg("height"), py::arg("popup_text") = "");
    Class<DensitySurfaceInfo, SurfaceBody> density(m, "DensitySurfaceInfo", "The density surface of one point set.");
    Property(density, "Sigma", &DensitySurfaceInfo::Sigma, &DensitySurfaceInfo::SetSigma);

    Class<PieSliceInfo> slice(m, "PieSliceInfo", "One slice of a pie.");
    LegendEntry<PieSliceInfo>(slice);
    Property(slice, "Percentage", &PieSliceInfo::Percentage, &PieSliceInfo::SetPercentage);
    Property(slice, "Height", &PieSliceInfo::Height, &PieSliceInfo::SetHeight);
    Property(slice, "Style", &PieSliceInfo::Style, &PieSliceInfo::SetStyle);
    ReadOnly(slice, "SliceTextProps", &PieSliceInfo::SliceTextProps);

    Class<PointCollection> points(m, "PointCollection", "One frame of a scatter graph's points.");
    Property(points, "Description", &PointCollection::Description, &PointCollection::SetDescription);
    ReadOnly(points, "Count", &PointCollection::Count);
}

}  // namespace

void BindGraphs(py::module_& m) {
    BindSeries(m);

    Class<Graph> graph(m, "Graph", "A graph of any kind: its root node and its two exports.");
    ReadOnly(graph, "RootNode", &Graph::RootNode);
    Method(graph, "ExportToFile", &Graph::ExportToFile, py::arg("file_name"));
    Method(graph, "ExportToString", &Graph::ExportToString, py::arg("include_breaks") = true,
           py::arg("include_tabs") = true);

    Class<GridGraph, Graph> grid(m, "GridGraph", "A graph in a grid box with X, Y and Z axes.");
    GraphParts<GridGraph>(grid);

    Class<AreaGraph, GridGraph> area(m, "AreaGraph", "Each series as a filled area in its own row.");
    area.def(py::init<>());
    Method(area, "GetSeries", &AreaGraph::GetSeries, py::arg("index"));
    Class<RibbonGraph, GridGraph> ribbon(m, "RibbonGraph", "Each series as a ribbon in its own row.");
    ribbon.def(py::init<>());
    Method(ribbon, "GetSeries", &RibbonGraph::GetSeries, py::arg("index"));
    Class<ColumnGraph, GridGraph> column(m, "ColumnGraph", "Each series as a row of columns.");
    column.def(py::init<>());
    Method(column, "GetSeries", &ColumnGraph::GetSeries, py::arg("index"), py::arg("cell_index") = 1);
    Property(column, "ColumnsPerCell", &ColumnGraph::ColumnsPerCell, &ColumnGraph::SetColumnsPerCell);
    Property(column, "ColumnSpacingStyle", &ColumnGraph::ColumnSpacingStyle, &ColumnGraph::SetColumnSpacingStyle);
    Class<SurfaceGraph, GridGraph> surface(m, "SurfaceGraph", "Height surfaces over the grid's cells.");
    surface.def(py::init<>());
    Method(surface, "GetSurface", &SurfaceGraph::GetSurface, py::arg("index"));
    Property(surface, "SurfaceCount", &SurfaceGraph::SurfaceCount, &SurfaceGraph::SetSurfaceCount);

    Class<SurfaceComboGraph, GridGraph> combo(m, "SurfaceComboGraph", "Surfaces over the cells of a series graph.");
    Method(combo, "GetSurface", &SurfaceComboGraph::GetSurface, py::arg("index"));
    Property(combo, "SurfaceCount", &SurfaceComboGraph::SurfaceCount, &SurfaceComboGraph::SetSurfaceCount);
    Class<SCComboGraph, SurfaceComboGraph> sc(m, "SCComboGraph", "Columns with surfaces over the same cells.");
    sc.def(py::init<>());
    Method(sc, "GetSeries", &SCComboGraph::GetSeries, py::arg("index"), py::arg("cell_index") = 1);
    Property(sc, "ColumnsPerCell", &SCComboGraph::ColumnsPerCell, &SCComboGraph::SetColumnsPerCell);
    Class<RCComboGraph, SurfaceComboGraph> rc(m, "RCComboGraph", "Ribbons with surfaces over the same cells.");
    rc.def(py::init<>());
    Method(rc, "GetSeries", &RCComboGraph::GetSeries, py::arg("index"));

    Class<PieGraph, Graph> pie(m, "PieGraph", "Slices of a whole.");
    pie.def(py::init<>());
    GraphParts<PieGraph>(pie);
    Method(pie, "GetSlice", &PieGraph::GetSlice, py::arg("index"));
    Property(pie, "SliceCount", &PieGraph::SliceCount, &PieGraph::SetSliceCount);
    Property(pie, "radius", &PieGraph::radius, &PieGraph::SetRadius);
    Property(pie, "InnerRadius", &PieGraph::InnerRadius, &PieGraph::SetInnerRadius);
    Property(pie, "SliceTextDisplayStyle", &PieGraph::SliceTextDisplayStyle, &PieGraph::SetSliceTextDisplayStyle);
    Property(pie, "UseSpinAxis", &PieGraph::UseSpinAxis, &PieGraph::SetUseSpinAxis);

    Class<ScatterGraph, Graph> scatter(m, "ScatterGraph", "Points on three numeric axes, in frames.");
    scatter.def(py::init<>());
    GraphParts<ScatterGraph>(scatter);
    Method(scatter, "Get1PointFrame", &ScatterGraph::Get1PointFrame, py::arg("index"));
    Property(scatter, "PointFrameCount", &ScatterGraph::PointFrameCount, &ScatterGraph::SetPointFrameCount);
    Property(scatter, "FrameTimeGap", &ScatterGraph::FrameTimeGap, &ScatterGraph::SetFrameTimeGap);

    Class<DensityGraph, Graph> density(m, "DensityGraph", "The smoothed densities of point sets.");
    density.def(py::init<>());
    GraphParts<DensityGraph>(density);
    Method(density, "GetSurface", &DensityGraph::GetSurface, py::arg("index"));
    Property(density, "SurfaceCount", &DensityGraph::SurfaceCount, &DensityGraph::SetSurfaceCount);
    Property(density, "Sigma", &DensityGraph::Sigma, &DensityGraph::SetSigma);
}

}  // namespace atrium_python
