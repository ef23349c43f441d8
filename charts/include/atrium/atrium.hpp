#pragma once
// Everything a host needs: the data layer's charts (atrium::charts, from data in the user's own
// units) and, underneath them, the template control and its graph factory, the nine graphs with
// their property objects, the proto path, the value scaler, the number formats of the axis
// labels, relative proto paths, the colour type, the warning handler and the library's version.
//
//   atrium::charts::ColumnChart chart({.categories = {"Q1", "Q2"}, .series = {{"Tea", {3, 5}}}});
//   chart.Save("tea.wrl");
//
// or, through the object model:
//
//   atrium::AtriumTemplateCtl control;
//   auto graph = control.CreateFactory()->CreateAreaGraph();
//   graph->GridProps()->SetZAxisCellCount(2);
//   graph->GetSeries(1)->Height()->Values() = {0.2f, 0.6f};
//   graph->ExportToFile("area.wrl");
#include "atrium/area_graph.hpp"
#include "atrium/charts.hpp"
#include "atrium/column_graph.hpp"
#include "atrium/density_graph.hpp"
#include "atrium/graph_factory.hpp"
#include "atrium/number_format.hpp"
#include "atrium/pie_graph.hpp"
#include "atrium/proto_path.hpp"
#include "atrium/rc_combo_graph.hpp"
#include "atrium/relative_path.hpp"
#include "atrium/rgb.hpp"
#include "atrium/ribbon_graph.hpp"
#include "atrium/sc_combo_graph.hpp"
#include "atrium/scaler.hpp"
#include "atrium/scatter_graph.hpp"
#include "atrium/surface_graph.hpp"
#include "atrium/template_ctl.hpp"
#include "atrium/version.hpp"
#include "atrium/warning.hpp"
