// Writes surface_scale.wrl: the largest surface a surface graph draws, 181 x 181 heights
// (32,761 points), as a graded qrx_Surface, its qrx_ElevationWireframe (every fifth lattice line
// each way) and an invisible qrx_PopupSurface with one pop-up text per point, under a grid of
// 10 x 4 x 10 units. The index of the point under the pointer reaches the Switch POINT_OVER.
// The proto files are copied beside the world.
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
#include <vector>

#include "atrium/proto_path.hpp"
#include "holvane/holvane.hpp"
#include "proto_files.hpp"


namespace {

constexpr int kSide = 181;
constexpr float kSpacing = 10.0f / (kSide - 1);

std::shared_ptr<holvane::Appearance> Look(float r, float g, float b) {
    auto material = atrium::MakeCoreNode<holvane::Material>();
    material->DiffuseColorField()->SetValues(r, g, b);
    material->SpecularColorField()->SetValues(0.3f, 0.3f, 0.3f);
    auto appearance = atrium::MakeCoreNode<holvane::Appearance>();
    appearance->MaterialField()->SetValue(material);
    return appearance;
}

// Two hills and a valley over the 10 x 10 square, between 0 and 4.
float HeightAt(int i, int j) {
    const float x = static_cast<float>(i) * kSpacing, z = static_cast<float>(j) * kSpacing;
    auto hill = [&](float cx, float cz, float r, float h) {
        const float d2 = (x - cx) * (x - cx) + (z - cz) * (z - cz);
        return h * std::exp(-d2 / (r * r));
    };
    return 0.6f + hill(3, 3, 2.2f, 2.6f) + hill(7, 6.5f, 1.6f, 1.8f) - hill(6, 2, 1.5f, 0.5f) +
           0.15f * std::sin(x * 2.1f) * std::cos(z * 1.7f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argc > 0 ? argv[0] : "surface_scale_world");
        return 2;
    }
    try {
        atrium::SetProtoPath("");  // the proto files stand beside the world
        std::vector<float> heights;
        std::vector<std::string> texts;
        heights.reserve(kSide * kSide);
        texts.reserve(kSide * kSide);
        for (int j = 0; j < kSide; ++j)
            for (int i = 0; i < kSide; ++i) {
                heights.push_back(HeightAt(i, j));
                char buffer[32];
                const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::round(heights.back() * 100) / 100).ptr;
                texts.emplace_back(buffer, end);
            }

        auto surface = atrium::MakeGraphNode<holvane::graph::qrx_Surface>();
        surface->AppearanceField()->SetValue(Look(0.15f, 0.35f, 0.8f));
        surface->GradeColorField()->SetValues(0.95f, 0.85f, 0.3f);
        surface->UseGradeField()->SetValue(true);
        auto wires = atrium::MakeGraphNode<holvane::graph::qrx_ElevationWireframe>();
        wires->ColorField()->SetValues(0.1f, 0.1f, 0.15f);
        wires->XMaskField()->Values() = {1, 0, 0, 0, 0};
        wires->ZMaskField()->Values() = {1, 0, 0, 0, 0};
        auto popups = atrium::MakeGraphNode<holvane::graph::qrx_PopupSurface>();
        popups->SetDEFName("POPUPS");
        popups->TransparencyField()->SetValue(1.0f);
        popups->RadiusField()->SetValue(kSpacing / 2);
        popups->PopupHeightField()->SetValue(0.3f);
        popups->PopupTextField()->Values() = texts;
        popups->BorderColorField()->SetValues(1.0f, 0.0f, 1.0f);

        auto set = [&](auto& node) {
            node->XDimensionField()->SetValue(kSide);
            node->ZDimensionField()->SetValue(kSide);
            node->XSpacingField()->SetValue(kSpacing);
            node->ZSpacingField()->SetValue(kSpacing);
            node->HeightField()->Values() = heights;
        };
        set(surface);
        set(wires);
        set(popups);

        auto grid = atrium::MakeGraphNode<holvane::graph::qrx_ChartGrid>();
        grid->AppearanceField()->SetValue(Look(0.82f, 0.8f, 0.76f));
        grid->LineColorField()->SetValues(0.35f, 0.35f, 0.4f);
        grid->XDimensionField()->SetValue(11);
        grid->YDimensionField()->SetValue(5);
        grid->ZDimensionField()->SetValue(11);
        grid->ThicknessField()->SetValue(0.03f);

        auto root = atrium::MakeCoreNode<holvane::Transform>();
        auto background = atrium::MakeCoreNode<holvane::Background>();
        background->SkyColorField()->Values() = {{0.13f, 0.15f, 0.2f}};
        auto navigation = atrium::MakeCoreNode<holvane::NavigationInfo>();
        navigation->TypeField()->Values() = {"EXAMINE", "ANY"};
        auto view = atrium::MakeCoreNode<holvane::Viewpoint>();
        view->SetDEFName("SCALE_VIEW");
        view->DescriptionField()->SetValue("181 x 181 surface");
        view->PositionField()->SetValues(18.0f, 13.0f, 20.0f);
        view->OrientationField()->SetEulerValues(-0.5f, 0.714f, 0.0f);  // towards (5, 2, 5)
        // The index of the point under the pointer, for the browser test.
        auto pointOver = atrium::MakeCoreNode<holvane::Switch>();
        pointOver->SetDEFName("POINT_OVER");
        for (const holvane::NodePtr& node :
             {holvane::NodePtr(background), holvane::NodePtr(navigation), holvane::NodePtr(view), holvane::NodePtr(grid),
              holvane::NodePtr(surface), holvane::NodePtr(wires), holvane::NodePtr(popups), holvane::NodePtr(pointOver)})
            root->ChildrenField()->Add(node);

        const std::filesystem::path folder = argv[1];
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);  // a failure shows as a failed write
        holvane::RouteCollection routes;
        routes.Add(popups, "mouseOverIndex", pointOver, "set_whichChoice");
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
