// Shares of a whole as a pie: labels and values, the shares worked out by the chart.
#include <atrium/atrium.hpp>

int main() {
    using namespace atrium::charts;
    const PieChart chart({.labels = {"Rent", "Food", "Transport", "Savings", "Other"},
                          .values = {950, 420, 180, 300, 150}},
                         {.title = "Monthly budget"});
    chart.Save("pie_shares.wrl");
}
