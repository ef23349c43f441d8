// The density of two clusters of points; the smoothing width is chosen from the data.
#include <atrium/atrium.hpp>
#include <random>

int main() {
    using namespace atrium::charts;
    std::mt19937 random(7);
    std::normal_distribution<double> spread(0, 1.5);
    DensityData data{.sets = {{.name = "Morning"}, {.name = "Evening"}}};
    for (int i = 0; i < 200; ++i)
        for (auto& [set, cx, cz] : {std::tuple{&data.sets[0], 4.0, 5.0}, std::tuple{&data.sets[1], 11.0, 9.0}}) {
            set->x.push_back(cx + spread(random));
            set->z.push_back(cz + spread(random));
        }
    const DensityChart chart(data, {.title = "Where the calls came from", .xTitle = "km east", .zTitle = "km north"});
    chart.Save("density_clusters.wrl");
}
