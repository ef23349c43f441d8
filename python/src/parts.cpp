// The scene parts a graph hands out: title and other texts, grid box, background, legends, axes,
// viewpoints and lights, with the enumerations their properties take.
#include <pybind11/stl.h>

#include "atrium/background_info.hpp"
#include "atrium/continuous_axis.hpp"
#include "atrium/discrete_axis.hpp"
#include "atrium/enums.hpp"
#include "atrium/grid_info.hpp"
#include "atrium/legend_info.hpp"
#include "atrium/light_collection.hpp"
#include "atrium/scatter_legend_info.hpp"
#include "atrium/text_info.hpp"
#include "atrium/viewpoint_collection.hpp"
#include "bindings.hpp"

namespace atrium_python {
namespace {

using namespace atrium;

// A part's class, with its root node readable.
template <class T>
py::class_<T, std::shared_ptr<T>> Part(py::module_& m, const char* name, const char* doc) {
    py::class_<T, std::shared_ptr<T>> cls(m, name, doc);
    ReadOnly(cls, "RootNode", &T::RootNode);
    return cls;
}

// The look of a legend, the same for the legends of every kind.
template <class T, class Class>
void LegendLook(Class& cls) {
    Property(cls, "KeyStyle", &T::KeyStyle, &T::SetKeyStyle);
    Property(cls, "IsBillboarded", &T::IsBillboarded, &T::SetIsBillboarded);
    Property(cls, "TextHeight", &T::TextHeight, &T::SetTextHeight);
    ColourProperty(cls, "TextColor", &T::TextColor, &T::SetTextColor);
}

// What the two axis kinds share: header, label and header text, showing, alignment, the gap
// between lines and placing the header.
template <class T, class Class>
void AxisCommon(Class& cls) {
    Property(cls, "Header", &T::Header, &T::SetHeader);
    ColourProperty(cls, "LabelColor", &T::LabelColor, &T::SetLabelColor);
    Property(cls, "LabelFont", &T::LabelFont, &T::SetLabelFont);
    Property(cls, "LabelStyle", &T::LabelStyle, &T::SetLabelStyle);
    Property(cls, "LabelHeight", &T::LabelHeight, &T::SetLabelHeight);
    ColourProperty(cls, "HeaderColor", &T::HeaderColor, &T::SetHeaderColor);
    Property(cls, "HeaderFont", &T::HeaderFont, &T::SetHeaderFont);
    Property(cls, "HeaderStyle", &T::HeaderStyle, &T::SetHeaderStyle);
    Property(cls, "HeaderHeight", &T::HeaderHeight, &T::SetHeaderHeight);
    Property(cls, "ShowAxis", &T::ShowAxis, &T::SetShowAxis);
    Property(cls, "Alignment", &T::Alignment, &T::SetAlignment);
    Property(cls, "LabelTextGap", &T::LabelTextGap, &T::SetLabelTextGap);
    Method(cls, "AlignHeader", &T::AlignHeader);
}

void BindEnums(py::module_& m) {
    py::enum_<VRMLFontFamily>(m, "VRMLFontFamily")
        .value("VRML_SERIF", VRMLFontFamily::VRML_SERIF)
        .value("VRML_SANS", VRMLFontFamily::VRML_SANS)
        .value("VRML_TYPEWRITER", VRMLFontFamily::VRML_TYPEWRITER)
        .export_values();
    py::enum_<VRMLFontStyle>(m, "VRMLFontStyle")
        .value("VRML_PLAIN", VRMLFontStyle::VRML_PLAIN)
        .value("VRML_BOLD", VRMLFontStyle::VRML_BOLD)
        .export_values();
    py::enum_<LabelAlignment>(m, "LabelAlignment")
        .value("LEFT_ALIGN", LabelAlignment::LEFT_ALIGN)
        .value("RIGHT_ALIGN", LabelAlignment::RIGHT_ALIGN)
        .export_values();
    py::enum_<LegendKeyStyle>(m, "LegendKeyStyle")
        .value("BOX_STYLE", LegendKeyStyle::BOX_STYLE)
        .value("SPHERE_STYLE", LegendKeyStyle::SPHERE_STYLE)
        .export_values();
    py::enum_<LabelingOrder>(m, "LabelingOrder")
        .value("MIN_TO_MAX", LabelingOrder::MIN_TO_MAX)
        .value("MAX_TO_MIN", LabelingOrder::MAX_TO_MIN)
        .export_values();
}

}  // namespace

void BindParts(py::module_& m) {
    BindEnums(m);

    auto text = Part<TextInfo>(m, "TextInfo", "A line of 3-D text, such as a graph's title.");
    Property(text, "Text", &TextInfo::Text, &TextInfo::SetText);
    ColourProperty(text, "TextColor", &TextInfo::TextColor, &TextInfo::SetTextColor);
    Property(text, "TextFont", &TextInfo::TextFont, &TextInfo::SetTextFont);
    Property(text, "TextStyle", &TextInfo::TextStyle, &TextInfo::SetTextStyle);
    Property(text, "TextHeight", &TextInfo::TextHeight, &TextInfo::SetTextHeight);
    Property(text, "IsBillboarded", &TextInfo::IsBillboarded, &TextInfo::SetIsBillboarded);

    auto grid = Part<GridInfo>(m, "GridInfo", "The graph's box: extent, cell counts, grid lines and walls.");
    Property(grid, "Width", &GridInfo::Width, &GridInfo::SetWidth);
    Property(grid, "Height", &GridInfo::Height, &GridInfo::SetHeight);
    Property(grid, "Depth", &GridInfo::Depth, &GridInfo::SetDepth);
    Property(grid, "XAxisCellCount", &GridInfo::XAxisCellCount, &GridInfo::SetXAxisCellCount);
    Property(grid, "YAxisCellCount", &GridInfo::YAxisCellCount, &GridInfo::SetYAxisCellCount);
    Property(grid, "ZAxisCellCount", &GridInfo::ZAxisCellCount, &GridInfo::SetZAxisCellCount);
    ColourProperty(grid, "LineColor", &GridInfo::LineColor, &GridInfo::SetLineColor);
    ColourProperty(grid, "WallColor", &GridInfo::WallColor, &GridInfo::SetWallColor);
    Property(grid, "Transparency", &GridInfo::Transparency, &GridInfo::SetTransparency);

    auto background = Part<BackgroundInfo>(m, "BackgroundInfo", "The sky of the world: one colour or a fade.");
    ColourProperty(background, "BackgroundColor", &BackgroundInfo::BackgroundColor, &BackgroundInfo::SetBackgroundColor);
    Property(background, "UseBackgroundColorFade", &BackgroundInfo::UseBackgroundColorFade,
             &BackgroundInfo::SetUseBackgroundColorFade);

    auto legend = Part<LegendInfo>(m, "LegendInfo", "The legend: one key and text per item, check boxes beside.");
    LegendLook<LegendInfo>(legend);
    Property(legend, "UseSeriesToggle", &LegendInfo::UseSeriesToggle, &LegendInfo::SetUseSeriesToggle);
    auto scatterLegend = Part<ScatterLegendInfo>(m, "ScatterLegendInfo", "The legend of a scatter graph.");
    LegendLook<ScatterLegendInfo>(scatterLegend);

    auto discrete = Part<DiscreteAxis>(m, "DiscreteAxis", "An axis of text labels (categories, series names).");
    AxisCommon<DiscreteAxis>(discrete);
    Property(
        discrete, "Labels", [](const DiscreteAxis& a) { return a.Labels()->Values(); },
        [](DiscreteAxis& a, std::vector<std::string> labels) { a.Labels()->Values() = std::move(labels); });
    Property(discrete, "LabelCount", &DiscreteAxis::LabelCount, &DiscreteAxis::SetLabelCount);

    auto continuous = Part<ContinuousAxis>(m, "ContinuousAxis", "An axis of Count numbers from Min to Max.");
    AxisCommon<ContinuousAxis>(continuous);
    Property(continuous, "Min", &ContinuousAxis::Min, &ContinuousAxis::SetMin);
    Property(continuous, "Max", &ContinuousAxis::Max, &ContinuousAxis::SetMax);
    Property(continuous, "Count", &ContinuousAxis::Count, &ContinuousAxis::SetCount);
    Property(continuous, "Order", &ContinuousAxis::Order, &ContinuousAxis::SetOrder);
    Property(continuous, "NumericFormat", &ContinuousAxis::NumericFormat, &ContinuousAxis::SetNumericFormat);

    auto viewpoints = Part<ViewpointCollection>(m, "ViewpointCollection",
                                                "The world's viewpoints; the first one added is bound at start.");
    Method(viewpoints, "GetViewpoint", &ViewpointCollection::GetViewpoint, py::arg("index"));
    Method(viewpoints, "AddViewpoint", &ViewpointCollection::AddViewpoint);
    Method(viewpoints, "ClearViewpoints", &ViewpointCollection::ClearViewpoints);
    ReadOnly(viewpoints, "Count", &ViewpointCollection::Count);
    viewpoints.def("__len__", &ViewpointCollection::Count);

    auto lights = Part<LightCollection>(m, "LightCollection", "The world's point lights and headlight.");
    Method(lights, "GetLightSource", &LightCollection::GetLightSource, py::arg("index"));
    Method(lights, "AddLightSource", &LightCollection::AddLightSource);
    Method(lights, "ClearLightSources", &LightCollection::ClearLightSources);
    ReadOnly(lights, "Count", &LightCollection::Count);
    Property(lights, "UseHeadlight", &LightCollection::UseHeadlight, &LightCollection::SetUseHeadlight);
}

}  // namespace atrium_python
