// Quarterly sales of three products as columns: one row of columns per product.
#include <atrium/atrium.hpp>

int main() {
    using namespace atrium::charts;
    const ColumnChart chart({.categories = {"Q1", "Q2", "Q3", "Q4"},
                             .series = {{"Tea", {120, 135, 150, 170}},
                                        {"Coffee", {200, 180, 210, 240}},
                                        {"Cocoa", {80, 95, 70, 110}}}},
                            {.title = "Sales by quarter", .yTitle = "Units"});
    chart.Save("column_sales.wrl");
}
