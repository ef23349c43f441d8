#pragma once
// The data layer: charts of all nine kinds built from data in the user's own units.
//
//   atrium::charts::ColumnChart chart({.categories = {"Q1", "Q2"}, .series = {{"Tea", {3, 5}}}},
//                                     {.title = "Sales"});
//   chart.Save("sales.wrl");
#include "atrium/charts/category_charts.hpp"
#include "atrium/charts/chart.hpp"
#include "atrium/charts/chart_data.hpp"
#include "atrium/charts/chart_options.hpp"
#include "atrium/charts/point_charts.hpp"
#include "atrium/charts/surface_charts.hpp"
