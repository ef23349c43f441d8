// The surface z = sin(x) cos(y) on a 50 x 50 grid, with numeric X and Z axes.
#include <atrium/atrium.hpp>
#include <cmath>

int main() {
    using namespace atrium::charts;
    const auto x = Linspace(-3.14, 3.14, 50), y = Linspace(-3.14, 3.14, 50);
    const auto heights = Matrix::Generate(x, y, [](double a, double b) { return std::sin(a) * std::cos(b); });
    const SurfaceChart chart({.x = x, .z = y, .surfaces = {{.name = "sin(x) cos(y)", .heights = heights}}},
                             {.title = "z = sin(x) cos(y)", .xTitle = "x", .zTitle = "y"});
    chart.Save("surface_wave.wrl");
}
