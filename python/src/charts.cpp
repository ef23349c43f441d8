// The data layer: one chart class per kind built from plain data, the options every chart takes,
// Save, ToVrml and ToHtml. The package's chart functions (atrium.column, ...) check and shape the user's
// data and call the builders here.
#include <pybind11/stl.h>

#include <optional>

#include "atrium/charts.hpp"
#include "bindings.hpp"

namespace pybind11::detail {

// Web colours of the data layer: 0xRRGGBB integers or "#RRGGBB" strings.
template <>
struct type_caster<atrium::Rgb> {
    PYBIND11_TYPE_CASTER(atrium::Rgb, const_name("int | str"));
    bool load(handle src, bool) {
        if (PyUnicode_Check(src.ptr())) {
            value = atrium::Rgb::FromPacked(atrium_python::PackedFromWebColour(src.cast<std::string>()));
            return true;
        }
        if (!PyLong_Check(src.ptr())) return false;
        value = atrium::Rgb(src.cast<std::uint32_t>());
        return true;
    }
    static handle cast(atrium::Rgb colour, return_value_policy, handle) { return PyLong_FromUnsignedLong(colour.Value()); }
};

}  // namespace pybind11::detail

namespace atrium_python {
namespace {

using namespace atrium::charts;

// A named row of values, as the package passes it.
using NamedValues = std::pair<std::string, std::vector<double>>;
// A named matrix: name, columns, rows, values row by row.
using NamedGrid = std::tuple<std::string, std::size_t, std::size_t, std::vector<double>>;

CategoryData Categories(std::vector<std::string> categories, std::vector<NamedValues> series) {
    CategoryData data{std::move(categories), {}};
    for (auto& [name, values] : series) data.series.push_back({std::move(name), std::move(values)});
    return data;
}

std::vector<NamedMatrix> Matrices(std::vector<NamedGrid> grids) {
    std::vector<NamedMatrix> out;
    for (auto& [name, columns, rows, values] : grids) out.push_back({std::move(name), {columns, rows, std::move(values)}, {}});
    return out;
}

// A chart kind whose graph is a G, with the graph readable under its library name and alias.
template <class C>
py::class_<C, Chart> ChartClass(py::module_& m, const char* name) {
    py::class_<C, Chart> cls(m, name);
    ReadOnly(cls, "Graph", [](const C& chart) { return chart.Graph(); });
    return cls;
}

// Defines an options member under its library name and its snake_case alias.
template <class T>
void Option(py::class_<ChartOptions>& cls, const char* name, T ChartOptions::*member) {
    Property(cls, name, [member](const ChartOptions& o) { return o.*member; },
             [member](ChartOptions& o, T value) { o.*member = std::move(value); });
}

}  // namespace

void BindCharts(py::module_& m) {
    py::class_<ChartOptions> options(m, "ChartOptions", "What every chart lets the user choose besides the data.");
    options.def(py::init<>());
    Option(options, "title", &ChartOptions::title);
    Option(options, "xTitle", &ChartOptions::xTitle);
    Option(options, "yTitle", &ChartOptions::yTitle);
    Option(options, "zTitle", &ChartOptions::zTitle);
    Option(options, "colours", &ChartOptions::colours);
    Option(options, "yMin", &ChartOptions::yMin);
    Option(options, "yMax", &ChartOptions::yMax);
    Option(options, "valueFormat", &ChartOptions::valueFormat);
    Option(options, "width", &ChartOptions::width);
    Option(options, "height", &ChartOptions::height);
    Option(options, "depth", &ChartOptions::depth);
    Option(options, "background", &ChartOptions::background);
    Option(options, "popups", &ChartOptions::popups);
    Option(options, "legend", &ChartOptions::legend);
    m.def("palette", &Palette, "The colour-blind-safe palette, as 0xRRGGBB values.");

    py::class_<Chart> chart(m, "Chart", "A chart built from data: its world, saved or as text, and its graph.");
    Method(chart, "Save", [](const Chart& c, const std::string& file) { c.Save(file); }, py::arg("file"));
    Method(chart, "ToVrml", &Chart::ToVrml, py::arg("line_breaks") = true, py::arg("tabs") = true);
    Method(chart, "ToHtml", &Chart::ToHtml, py::arg("world_name") = "chart.wrl");
    ReadOnly(chart, "BaseGraph", &Chart::BaseGraph);
    ChartClass<AreaChart>(m, "AreaChart");
    ChartClass<ColumnChart>(m, "ColumnChart");
    ChartClass<RibbonChart>(m, "RibbonChart");
    ChartClass<SurfaceChart>(m, "SurfaceChart");
    ChartClass<SurfaceColumnChart>(m, "SurfaceColumnChart");
    ChartClass<RibbonSurfaceChart>(m, "RibbonSurfaceChart");
    ChartClass<PieChart>(m, "PieChart");
    ChartClass<ScatterChart>(m, "ScatterChart");
    auto density = ChartClass<DensityChart>(m, "DensityChart");
    ReadOnly(density, "Bandwidth", &DensityChart::Bandwidth);

    // The builders the package's chart functions call with checked data.
    m.def("_category_chart",
          [](const std::string& kind, std::vector<std::string> categories, std::vector<NamedValues> series,
             const ChartOptions& o) -> std::unique_ptr<Chart> {
              auto data = Categories(std::move(categories), std::move(series));
              if (kind == "area") return std::make_unique<AreaChart>(data, o);
              if (kind == "ribbon") return std::make_unique<RibbonChart>(data, o);
              return std::make_unique<ColumnChart>(data, o);
          });
    m.def("_combo_chart",
          [](const std::string& kind, std::vector<std::string> categories, std::vector<NamedValues> series,
             std::vector<NamedGrid> surfaces, const ChartOptions& o) -> std::unique_ptr<Chart> {
              ComboData data{Categories(std::move(categories), std::move(series)), Matrices(std::move(surfaces))};
              if (kind == "ribbon_surface") return std::make_unique<RibbonSurfaceChart>(data, o);
              return std::make_unique<SurfaceColumnChart>(data, o);
          });
    m.def("_surface_chart", [](std::vector<double> x, std::vector<double> z, std::vector<NamedGrid> surfaces,
                               const ChartOptions& o) {
        return std::make_unique<SurfaceChart>(SurfaceData{std::move(x), std::move(z), Matrices(std::move(surfaces))}, o);
    });
    m.def("_scatter_chart", [](ScatterData data, const ChartOptions& o) { return std::make_unique<ScatterChart>(data, o); });
    py::class_<ScatterData>(m, "_ScatterData")
        .def(py::init<>())
        .def_readwrite("x", &ScatterData::x)
        .def_readwrite("y", &ScatterData::y)
        .def_readwrite("z", &ScatterData::z)
        .def_readwrite("size", &ScatterData::size)
        .def_readwrite("colour", &ScatterData::colour)
        .def_readwrite("group", &ScatterData::group)
        .def_readwrite("frame", &ScatterData::frame)
        .def_readwrite("frame_labels", &ScatterData::frameLabels);
    m.def("_pie_chart", [](std::vector<std::string> labels, std::vector<double> values, const ChartOptions& o) {
        return std::make_unique<PieChart>(PieData{std::move(labels), std::move(values)}, o);
    });
    using PointSetTuple = std::tuple<std::string, std::vector<double>, std::vector<double>>;
    m.def("_density_chart", [](std::vector<PointSetTuple> sets, std::optional<double> bandwidth, const ChartOptions& o) {
        DensityData data{{}, bandwidth};
        for (auto& [name, x, z] : sets) data.sets.push_back({std::move(name), std::move(x), std::move(z)});
        return std::make_unique<DensityChart>(data, o);
    });
}

}  // namespace atrium_python
