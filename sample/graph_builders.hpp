#pragma once
// The sample graphs: each builder sets up one graph kind with fixed settings and sample data
// and exports it into a folder.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "atrium/graph_factory.hpp"
#include "sample_random.hpp"

namespace atrium_test {

// One sample graph kind: its command-line name, its file name and its builder.
struct GraphBuilder {
    std::string name;
    std::string fileName;
    // Builds the graph and writes it to the given file; false when the file could not be written.
    std::function<bool(atrium::GraphFactory&, SampleRandom&, const std::filesystem::path&)> build;
};

// The kinds this program builds, in the order of its window's buttons.
const std::vector<GraphBuilder>& GraphBuilders();

// The area graph: three area series in a 10 x 8 x 8 grid.
bool BuildAreaChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file);
// The ribbon graph: three rounded ribbons, the second half transparent, in a 10 x 8 x 8 grid.
bool BuildRibbonChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file);
// The column graph: two adjacent rounded column slots of two series each in a 10 x 8 x 6 grid.
bool BuildColumnChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file);

// The scatter graph: six frames of 40 points stepped by the frame slider.
bool BuildScatterChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file);

// The pie graph: four ring slices with their texts always shown and the spin axis on.
bool BuildPieChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file);

// The surface graph: two surfaces with pop-ups over a 10 x 5 cell grid.
bool BuildSurfaceChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file);

// The density graph: the densities of two sets of ten points, in opposite quarters of the grid.
bool BuildDensityChart(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file);

// The surface/column graph: four rounded column series under one half-transparent surface.
bool BuildSCComboGraph(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file);
// The ribbon/surface graph: four rounded ribbons under one half-transparent surface, toggles on.
bool BuildRCComboGraph(atrium::GraphFactory& factory, SampleRandom& random, const std::filesystem::path& file);

}  // namespace atrium_test
