// Writes surface_scale.wrl: the largest surface graph, 181 x 181 cells over a grid of
// 10 x 4 x 10 units with two surfaces of 32,761 points, each with its pop-up surface, built
// through SurfaceGraph. The first surface is graded by height and its wireframe draws every
// fifth lattice line each way; the second lies below it, half transparent. The index of the
// first surface's point under the pointer reaches the Switch POINT_OVER. The proto files are
// copied beside the world.
//
//   surface_scale_world OUTPUT_FOLDER
//
// Exit status: 0 when the world was written, 1 when it could not be, 2 on a usage error.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "atrium/graph_factory.hpp"
#include "atrium/proto_path.hpp"
#include "atrium/surface_graph.hpp"
#include "atrium/template_ctl.hpp"
#include "holvane/holvane.hpp"
#include "proto_files.hpp"

namespace {

constexpr std::int16_t kSide = 181;
constexpr float kCell = 10.0f / kSide;

// Two hills and a valley over the 10 x 10 square, between 0 and 4, at the centre of cell (i, j)
// counted from 1.
float HeightAt(int i, int j) {
    const float x = (static_cast<float>(i) - 0.5f) * kCell, z = (static_cast<float>(j) - 0.5f) * kCell;
    auto hill = [&](float cx, float cz, float r, float h) {
        const float d2 = (x - cx) * (x - cx) + (z - cz) * (z - cz);
        return h * std::exp(-d2 / (r * r));
    };
    return 0.6f + hill(3, 3, 2.2f, 2.6f) + hill(7, 6.5f, 1.6f, 1.8f) - hill(6, 2, 1.5f, 0.5f) +
           0.15f * std::sin(x * 2.1f) * std::cos(z * 1.7f);
}

std::string Text(float value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::round(value * 100) / 100).ptr;
    return {buffer, end};
}

std::shared_ptr<atrium::SurfaceGraph> BuildGraph() {
    static atrium::AtriumTemplateCtl control;
    atrium::SetProtoPath("");  // the proto files stand beside the world
    auto graph = control.CreateFactory()->CreateSurfaceGraph();
    graph->BackgroundProps()->SetBackgroundColor(0x33261F);
    graph->BackgroundProps()->SetUseBackgroundColorFade(false);
    auto grid = graph->GridProps();
    grid->SetWidth(10);
    grid->SetHeight(4);
    grid->SetDepth(10);
    grid->SetXAxisCellCount(kSide);
    grid->SetYAxisCellCount(4);
    grid->SetZAxisCellCount(kSide);
    grid->SetWallColor(0xC2CCD1);
    // Grey labels from 0 to 4: nothing white but the pop-up panel.
    graph->YAxisProps()->SetMin(0);
    graph->YAxisProps()->SetMax(4);
    for (atrium::AxisBase* axis : {static_cast<atrium::AxisBase*>(graph->XAxisProps().get()),
                                   static_cast<atrium::AxisBase*>(graph->YAxisProps().get()),
                                   static_cast<atrium::AxisBase*>(graph->ZAxisProps().get())})
        axis->SetLabelColor(0x909090);
    graph->LegendProps()->SetTextColor(0x909090);
    graph->SetSurfaceCount(2);
    for (std::int16_t s = 1; s <= 2; ++s) {
        auto surface = graph->GetSurface(s);
        auto popups = surface->PopupProps();
        popups->SetUsePopups(true);
        popups->SetTextHeight(0.5f);
        popups->SetBorderColor(0xFF00FF);
        for (std::int16_t z = 1; z <= kSide; ++z)
            for (std::int16_t x = 1; x <= kSide; ++x) {
                float h = s == 1 ? HeightAt(x, z) : 0.4f * HeightAt(x, z) - 0.3f;
                surface->Set1HeightPoint(x, z, h, Text(h));
            }
    }
    auto first = graph->GetSurface(1);
    first->Material()->DiffuseColorField()->SetValues(0.15f, 0.35f, 0.8f);
    first->Material()->SpecularColorField()->SetValues(0.3f, 0.3f, 0.3f);
    first->SurfaceNode()->GradeColorField()->SetValues(0.95f, 0.85f, 0.3f);
    first->SurfaceNode()->UseGradeField()->SetValue(true);
    first->SetWireColor(0x261A1A);
    first->WireframeNode()->XMaskField()->Values() = {0, 0, 1, 0, 0};
    first->WireframeNode()->ZMaskField()->Values() = {0, 0, 1, 0, 0};
    first->PopupProps()->PopupSurfaceNode()->SetDEFName("POPUPS");
    auto second = graph->GetSurface(2);
    second->Material()->DiffuseColorField()->SetValues(0.8f, 0.3f, 0.5f);
    second->Material()->TransparencyField()->SetValue(0.5f);
    second->SetWireColor(0x605050);
    second->WireframeNode()->XMaskField()->Values() = {0, 0, 1, 0, 0};
    second->WireframeNode()->ZMaskField()->Values() = {0, 0, 1, 0, 0};

    auto view = graph->Viewpoints()->AddViewpoint();
    view->SetDEFName("SCALE_VIEW");
    view->DescriptionField()->SetValue("181 x 181 surface graph");
    view->PositionField()->SetValues(18.0f, 13.0f, 20.0f);
    view->OrientationField()->SetEulerValues(-0.5f, 0.714f, 0.0f);  // towards (5, 2, 5)
    return graph;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argc > 0 ? argv[0] : "surface_scale_world");
        return 2;
    }
    try {
        auto graph = BuildGraph();
        graph->ExportToString(false, false);  // lays the graph out; its legend has no toggles, so no routes

        // The graph under a root that adds the examine navigation and the pointer's index.
        auto root = atrium::MakeCoreNode<holvane::Transform>();
        auto navigation = atrium::MakeCoreNode<holvane::NavigationInfo>();
        navigation->TypeField()->Values() = {"EXAMINE", "ANY"};
        auto pointOver = atrium::MakeCoreNode<holvane::Switch>();
        pointOver->SetDEFName("POINT_OVER");
        for (const holvane::NodePtr& node : {holvane::NodePtr(navigation), graph->RootNode(), holvane::NodePtr(pointOver)})
            root->ChildrenField()->Add(node);

        const std::filesystem::path folder = argv[1];
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);  // a failure shows as a failed write
        holvane::RouteCollection routes;
        routes.Add(graph->GetSurface(1)->PopupProps()->PopupSurfaceNode(), "mouseOverIndex", pointOver, "set_whichChoice");
        const auto file = folder / "surface_scale.wrl";
        if (!holvane::VRMLFileTraverser().Write(file, *root, routes)) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            return 1;
        }
        if (!CopyProtoFiles(folder)) return 1;
        std::printf("%s\n", file.c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
