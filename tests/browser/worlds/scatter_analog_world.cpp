// Writes scatter_analog.wrl: a scatter graph whose three frames of 25 points loop smoothly
// (analog, closed loop, one second per frame) inside a 10 x 8 x 8 grid, frames of 25, 20 and
// 0 points so that padding shows; the proto files are copied beside the world.
//
//   scatter_analog_world OUTPUT_FOLDER
//
// Exit status: 0 when the world was written, 1 when it could not be, 2 on a usage error.
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <initializer_list>

#include "atrium/proto_path.hpp"
#include "atrium/scatter_graph.hpp"
#include "proto_files.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argc > 0 ? argv[0] : "scatter_analog_world");
        return 2;
    }
    try {
        atrium::SetProtoPath("");
        atrium::ScatterGraph graph;
        graph.TitleProps()->SetText("Analog scatter");
        graph.TitleProps()->SetTextColor(0x00D0FF);
        auto grid = graph.GridProps();
        grid->SetWidth(10.0f);
        grid->SetHeight(8.0f);
        grid->SetDepth(8.0f);
        grid->SetXAxisCellCount(5);
        grid->SetYAxisCellCount(4);
        grid->SetZAxisCellCount(4);
        for (auto* axis : {graph.XAxisProps().get(), graph.YAxisProps().get(), graph.ZAxisProps().get()}) {
            axis->SetLabelHeight(0.4f);
            axis->SetMax(100.0f);
        }
        graph.LegendProps()->AddLegendEntry(0x3050E0, "Moving points");

        const int counts[] = {25, 20, 0};
        graph.SetPointFrameCount(3);
        for (std::int16_t f = 1; f <= 3; ++f) {
            auto frame = graph.Get1PointFrame(f);
            for (int p = 0; p < counts[f - 1]; ++p) {
                // Points on a circle that turns by a third per frame, well inside the grid.
                const double angle = 0.25 * p + 2.1 * f;
                frame->AddPoint(static_cast<float>(5 + 3.5 * std::cos(angle)), static_cast<float>(1 + 0.25 * p),
                                static_cast<float>(4 + 3.5 * std::sin(angle)), 0.3f, 0x3050E0, 0.0f);
            }
        }
        graph.SetPointAnimationStyle(atrium::AnimationStyle::VRML_ANALOG);
        graph.SetAnimationLoopStyle(atrium::LoopStyle::VRML_LOOP_CONTINUOUS);
        auto viewpoint = graph.Viewpoints()->AddViewpoint();
        viewpoint->PositionField()->SetValues(6, 4, 20);
        viewpoint->OrientationField()->SetEulerValues(-0.05f, 0.05f, 0);

        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        if (!CopyProtoFiles(folder)) return 1;
        if (!graph.ExportToFile((folder / "scatter_analog.wrl").string())) {
            std::fprintf(stderr, "cannot write %s\n", (folder / "scatter_analog.wrl").c_str());
            return 1;
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
