// Shares of a whole as a pie: labels and values, the shares worked out by the chart. Saved as a
// world and as one HTML page that opens from disk with a double-click (built from the installed
// share/atrium folder; ATRIUM_DATA_DIR names it when the install was moved).
#include <atrium/atrium.hpp>

int main() {
    using namespace atrium::charts;
    const PieChart chart({.labels = {"Rent", "Food", "Transport", "Savings", "Other"},
                          .values = {950, 420, 180, 300, 150}},
                         {.title = "Monthly budget"});
    chart.Save("pie_shares.wrl");
    chart.Save("pie_shares.html");
}
