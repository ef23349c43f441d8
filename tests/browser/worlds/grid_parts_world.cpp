// Writes grid_parts.wrl: the parts every grid graph shares, sized and placed as a real chart
// places them. A 10 x 8 x 8 grid of 5 x 5 x 3 cells; X labels "Row 1" to "Row 5", a Y axis
// from 0 to 15 and the three series names on Z, each with its header; a billboarded legend
// with three entries and their check boxes, each box routed to a stand-in series strip along
// its Z row; the drill-up cone and both drill-down rows with their routers; a title, a
// background colour and a viewpoint that frames the whole chart. The proto files are copied
// beside the world.
//
//   grid_parts_world OUTPUT_FOLDER
//
// Exit status: 0 when the world was written, 1 when it could not be, 2 on a usage error.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <system_error>

#include "atrium/axis_layout.hpp"
#include "atrium/background_info.hpp"
#include "atrium/continuous_axis.hpp"
#include "atrium/discrete_axis.hpp"
#include "atrium/drill_layout.hpp"
#include "atrium/grid_info.hpp"
#include "atrium/grid_interactivity_info.hpp"
#include "atrium/legend_info.hpp"
#include "atrium/light_collection.hpp"
#include "atrium/proto_path.hpp"
#include "atrium/text_info.hpp"
#include "atrium/viewpoint_collection.hpp"
#include "holvane/routes.hpp"
#include "holvane/traverser.hpp"
#include "proto_files.hpp"


namespace {

struct Series {
    const char* name;
    std::int32_t color;  // 0x00BBGGRR
};

constexpr std::array<Series, 3> kSeries{{
    {"North", 0x3050E0},  // red
    {"Centre", 0x40C040},  // green
    {"South", 0xE08030},  // blue
}};

std::shared_ptr<holvane::Appearance> ColouredAppearance(std::int32_t color) {
    auto material = atrium::MakeCoreNode<holvane::Material>();
    material->DiffuseColorField()->SetRGBValue(color);
    auto appearance = atrium::MakeCoreNode<holvane::Appearance>();
    appearance->MaterialField()->SetValue(material);
    return appearance;
}

// A low strip along the grid's Z row `row`, in the series' appearance: enough of a series for
// its check box to have something to hide.
std::shared_ptr<holvane::Node> StandInSeries(const atrium::GridInfo& grid, int row,
                                             const std::shared_ptr<holvane::Appearance>& appearance) {
    const float depth = grid.Depth() / static_cast<float>(grid.ZAxisCellCount());
    auto box = atrium::MakeCoreNode<holvane::Box>();
    box->SizeField()->SetValues(grid.Width() * 0.9f, 0.6f, depth * 0.4f);
    auto shape = atrium::MakeCoreNode<holvane::Shape>();
    shape->GeometryField()->SetValue(box);
    shape->AppearanceField()->SetValue(appearance);
    auto place = atrium::MakeCoreNode<holvane::Transform>();
    place->TranslationField()->SetValues(grid.Width() / 2, 0.3f, depth * (static_cast<float>(row) + 0.5f));
    place->ChildrenField()->Add(shape);
    return place;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argc > 0 ? argv[0] : "grid_parts_world");
        return 2;
    }
    try {
        // The proto files stand beside the world.
        atrium::SetProtoPath("");

        atrium::BackgroundInfo background;
        background.SetBackgroundColor(0x402010);  // dark blue

        atrium::GridInfo grid;
        grid.SetWidth(10.0f);
        grid.SetHeight(8.0f);
        grid.SetDepth(8.0f);
        grid.SetXAxisCellCount(5);
        grid.SetYAxisCellCount(5);
        grid.SetZAxisCellCount(3);
        grid.SetLineColor(0x404040);
        grid.SetWallColor(0xD8D0C8);

        atrium::TextInfo title;
        title.SetText("Grid parts");
        title.SetTextColor(0x00D0FF);
        title.SetTextFont(atrium::VRMLFontFamily::VRML_SANS);
        title.SetTextStyle(atrium::VRMLFontStyle::VRML_BOLD);
        title.SetTextHeight(1.2f);
        title.RootTransform()->TranslationField()->SetValues(grid.Width() / 2, grid.Height() * 1.1f, 0);

        atrium::DiscreteAxis xAxis;
        for (int i = 1; i <= 5; ++i) xAxis.Labels()->Add("Row " + std::to_string(i));
        xAxis.SetHeader("X axis");
        atrium::ContinuousAxis yAxis;
        yAxis.SetMin(0.0f);
        yAxis.SetMax(15.0f);
        yAxis.SetHeader("Y axis");
        atrium::DiscreteAxis zAxis;
        for (const auto& s : kSeries) zAxis.Labels()->Add(s.name);
        zAxis.SetHeader("Z axis");
        for (atrium::AxisBase* axis : {static_cast<atrium::AxisBase*>(&xAxis), static_cast<atrium::AxisBase*>(&yAxis),
                                       static_cast<atrium::AxisBase*>(&zAxis)}) {
            axis->SetLabelHeight(0.8f);
            axis->SetLabelFont(atrium::VRMLFontFamily::VRML_SANS);
            axis->SetHeaderColor(0x00D0FF);
            axis->SetHeaderFont(atrium::VRMLFontFamily::VRML_SANS);
            axis->SetHeaderStyle(atrium::VRMLFontStyle::VRML_BOLD);
        }

        atrium::LegendInfo legend;
        legend.SetIsBillboarded(true);
        legend.SetUseSeriesToggle(true);
        legend.SetTextHeight(0.8f);

        atrium::GridInteractivityInfo interactivity;
        interactivity.SetUseDrillUp(true);
        interactivity.SetUseXAxisDrillDown(true);
        interactivity.SetUseZAxisDrillDown(true);
        // Links to another host: the browser test records them instead of following them.
        const std::string site = "http://www.example.com/atrium/";
        interactivity.DrillUpProps()->SetURL(site + "overview.wrl");
        interactivity.DrillUpProps()->SetDescription("Up to the overview");
        for (int i = 1; i <= 5; ++i)
            interactivity.XAxisDrillDownProps()->DrillDownURL()->Add(site + "row" + std::to_string(i) + ".wrl");
        for (const auto& s : kSeries)
            interactivity.ZAxisDrillDownProps()->DrillDownURL()->Add(site + s.name + ".wrl");

        atrium::ViewpointCollection viewpoints;
        auto front = viewpoints.AddViewpoint();
        front->SetDEFName("WHOLE_CHART");
        front->DescriptionField()->SetValue("Whole chart");
        // Up and to the right of the chart, turned back towards its middle: from there the
        // labels lying on the floor read well and no drill-down cone hides the Z labels.
        front->PositionField()->SetValues(12.0f, 13.0f, 26.0f);
        front->OrientationField()->SetEulerValues(-0.45f, 0.24f, 0.0f);

        // The headlight alone leaves the floor, and the labels lying on it, in half light.
        atrium::LightCollection lights;
        auto overhead = lights.AddLightSource();
        overhead->LocationField()->SetValues(5.0f, 30.0f, 20.0f);
        overhead->IntensityField()->SetValue(0.8f);

        // The export steps, in the order a grid graph takes them.
        holvane::RouteCollection routes;
        atrium::PlaceLegend(grid, legend);
        atrium::LayOutAxes(grid, xAxis, yAxis, zAxis);
        auto series = atrium::MakeCoreNode<holvane::Group>();
        for (std::size_t i = 0; i < kSeries.size(); ++i) {
            auto appearance = ColouredAppearance(kSeries[i].color);
            auto toggle = atrium::MakeUINode<holvane::qrx_ContentToggle>();
            toggle->ChildrenField()->Add(StandInSeries(grid, static_cast<int>(i), appearance));
            series->ChildrenField()->Add(toggle);
            atrium::EnterInLegend(legend, appearance, kSeries[i].name, toggle, "SERIES_TOGGLE_" + std::to_string(i + 1),
                                  routes);
        }
        atrium::LayOutInteractivity(grid, interactivity, routes);

        auto root = atrium::MakeCoreNode<holvane::Transform>();
        auto children = root->ChildrenField();
        for (const atrium::ISceneRoot* part : std::initializer_list<const atrium::ISceneRoot*>{
                 &background, &title, &grid, &legend, &xAxis, &yAxis, &zAxis, &interactivity, &viewpoints, &lights})
            children->Add(part->RootNode());
        children->Add(series);

        const std::filesystem::path folder = argv[1];
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);  // a failure shows as a failed write
        const auto file = folder / "grid_parts.wrl";
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
