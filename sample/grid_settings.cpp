#include "grid_settings.hpp"

namespace atrium_test {

void StyleAxis(atrium::AxisBase& axis, float labelHeight, const std::string& header) {
    axis.SetLabelFont(atrium::VRMLFontFamily::VRML_SANS);
    axis.SetLabelColor(0);
    axis.SetLabelHeight(labelHeight);
    axis.SetHeaderFont(atrium::VRMLFontFamily::VRML_SANS);
    axis.SetHeaderColor(0);
    if (header.empty()) return;
    axis.SetHeader(header);
    axis.SetHeaderHeight(0.7f);
    axis.SetHeaderStyle(atrium::VRMLFontStyle::VRML_BOLD);
}

namespace {

void FillLabels(atrium::DiscreteAxis& axis, const std::vector<std::string>& labels) {
    for (const auto& label : labels) axis.Labels()->Add(label);
}

}  // namespace

void ApplyGridSettings(atrium::GridGraph& graph, const GridSettings& s) {
    ApplyFrameSettings(graph, s);
    StyleAxis(*graph.XAxisProps(), 0.4f, s.xHeader);
    FillLabels(*graph.XAxisProps(), s.xLabels);
    StyleAxis(*graph.YAxisProps(), s.yLabelHeight, s.yHeader);
    graph.YAxisProps()->SetMin(0);
    graph.YAxisProps()->SetMax(15);
    StyleAxis(*graph.ZAxisProps(), 0.4f, s.zHeader);
    FillLabels(*graph.ZAxisProps(), s.zLabels);
    if (!s.drillOff) return;

    auto interactivity = graph.InteractivityProps();
    interactivity->SetUseDrillUp(false);
    interactivity->SetUseXAxisDrillDown(false);
    interactivity->SetUseZAxisDrillDown(false);
}

void ApplyPopupSettings(atrium::SeriesPopupInfo& popups, atrium::VRMLPopupAlignment alignment) {
    popups.SetUsePopups(true);
    popups.SetTextHeight(0.5f);
    popups.SetBorderColor(0);
    popups.SetTextColor(0);
    popups.SetBackgroundColor(11460567);
    popups.SetAlignment(alignment);
}

void AddInitialViewpoint(atrium::ViewpointCollection& viewpoints, const std::string& description) {
    auto viewpoint = viewpoints.AddViewpoint();
    viewpoint->GetField("description")->Parse("\"" + description + "\"");
    viewpoint->PositionField()->SetValues(6, 4, 20);
    viewpoint->OrientationField()->SetEulerValues(-0.05f, 0.05f, 0);
}

}  // namespace atrium_test
