// 1,000 random points as a scatter, coloured by their distance from the centre.
#include <atrium/atrium.hpp>
#include <cmath>
#include <random>

int main() {
    using namespace atrium::charts;
    std::mt19937 random(2024);
    std::normal_distribution<double> normal(50, 15);
    ScatterData points;
    for (int i = 0; i < 1000; ++i) {
        points.x.push_back(normal(random));
        points.y.push_back(normal(random));
        points.z.push_back(normal(random));
        const double r = std::hypot(points.x.back() - 50, points.y.back() - 50, points.z.back() - 50);
        points.group.push_back(r < 20 ? "near the centre" : "further out");
    }
    const ScatterChart chart(points, {.title = "1,000 random points", .xTitle = "x", .yTitle = "y", .zTitle = "z"});
    chart.Save("scatter_cloud.wrl");
}
