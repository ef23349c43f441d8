// Writes pie_touch.wrl: a pie of four rounded slices (shares 0.1, 0.2, 0.4, 0.3, heights 1.6 to
// 2.2, radius 4) whose texts show only while their slice is dragged, with a drill-down cone
// beside slice 2, the drill-up cone above the pie and no spin axis, seen from (6, 4, 20) as the
// sample pie is; the proto files are copied beside it.
//
//   pie_touch_world OUTPUT_FOLDER
//
// Exit status: 0 when the world was written, 1 when it could not be, 2 on a usage error.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>

#include "atrium/graph_factory.hpp"
#include "atrium/pie_graph.hpp"
#include "atrium/proto_path.hpp"
#include "atrium/template_ctl.hpp"
#include "proto_files.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argc > 0 ? argv[0] : "pie_touch_world");
        return 2;
    }
    try {
        atrium::AtriumTemplateCtl control;
        atrium::SetProtoPath("");
        auto graph = control.CreateFactory()->CreatePieGraph();
        graph->TitleProps()->SetText("Touch a slice");
        graph->SetSliceCount(4);
        graph->SetRadius(4);
        graph->SetSliceTextDisplayStyle(atrium::SliceTextVisibility::SHOW_ON_TOUCH);
        graph->SetUseDrillUp(true);
        const float shares[] = {0.1f, 0.2f, 0.4f, 0.3f}, heights[] = {1.6f, 1.8f, 2.2f, 2.0f};
        const std::int32_t colours[] = {9557545, 13601584, 10813439, 179};
        for (std::int16_t i = 1; i <= 4; ++i) {
            auto slice = graph->GetSlice(i);
            slice->SetPercentage(shares[i - 1]);
            slice->SetHeight(heights[i - 1]);
            slice->SetStyle(atrium::SliceStyle::ROUNDED_SLICE);
            slice->Material()->DiffuseColorField()->SetRGBValue(colours[i - 1]);
            slice->SetLegendText("Slice " + std::to_string(i));
            slice->SliceTextProps()->SetText("Touched " + std::to_string(i));
            slice->SliceTextProps()->SetTextHeight(0.75f);
        }
        graph->GetSlice(2)->SetUseDrillDown(true);
        auto viewpoint = graph->Viewpoints()->AddViewpoint();
        viewpoint->PositionField()->SetValues(6, 4, 20);
        viewpoint->OrientationField()->SetEulerValues(-0.05f, 0.05f, 0);

        const std::filesystem::path folder = argv[1];
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);  // a failure shows as a failed write
        if (!CopyProtoFiles(folder)) return 1;
        const auto file = folder / "pie_touch.wrl";
        if (!graph->ExportToFile(file.string())) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            return 1;
        }
        std::printf("%s\n", file.c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
