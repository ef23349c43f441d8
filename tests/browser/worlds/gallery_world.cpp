// Writes the proto gallery: five worlds that place every PROTO of HV_GRAPH.wrl, HV_UI.wrl and
// HV_NAV.wrl with sample values, built through the node factories as the graphs build them, and
// copies the proto files beside them.
//
//   gallery_series.wrl    a chart grid holding an area series with its pop-up strip, both
//                         ribbon series, stacked outlined columns and rounded columns, and a
//                         legend of three entries
//   gallery_pies.wrl      the three slice forms, and a two-ring pie chart whose appearances and
//                         captions are routed into a legend with sphere keys
//   gallery_surfaces.wrl  a graded surface with its masked elevation wire frame and a visible
//                         pop-up surface, and a whole surface chart with its grid
//   gallery_blocks.wrl    a whole block chart with its grid, one series drawn by an area series
//                         node, and a legend fed by the chart's events
//   gallery_controls.wrl  sphere and cone collections, a check box that toggles content, a
//                         slider that drives a Switch and the three interval protos, a router
//                         behind the cones; named nodes report what happened (see
//                         interaction_test.mjs)
//
//   gallery_world OUTPUT_FOLDER
//
// Exit status: 0 when the worlds were written, 1 when they could not be, 2 on a usage error.
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <numbers>
#include <string>
#include <system_error>
#include <vector>

#include "atrium/proto_path.hpp"
#include "holvane/graph/graph_protos.hpp"
#include "holvane/holvane.hpp"
#include "proto_files.hpp"


namespace {

using holvane::NodePtr;
using holvane::Rgb;
using holvane::Vec3f;
namespace graph = holvane::graph;

template <class T>
std::shared_ptr<T> Core() {
    return atrium::MakeCoreNode<T>();
}
template <class T>
std::shared_ptr<T> Graph() {
    return atrium::MakeGraphNode<T>();
}

// A lit appearance: the colour diffuse, a little specular shine.
std::shared_ptr<holvane::Appearance> Look(Rgb color, float transparency = 0.0f) {
    auto material = Core<holvane::Material>();
    material->DiffuseColorField()->SetValue(color);
    material->SpecularColorField()->SetValues(0.35f, 0.35f, 0.35f);
    material->ShininessField()->SetValue(0.3f);
    material->TransparencyField()->SetValue(transparency);
    auto appearance = Core<holvane::Appearance>();
    appearance->MaterialField()->SetValue(material);
    return appearance;
}

// An unlit appearance that shows exactly `color` (the browser tests look for it on screen).
std::shared_ptr<holvane::Appearance> Glow(Rgb color) {
    auto material = Core<holvane::Material>();
    material->DiffuseColorField()->SetValues(0, 0, 0);
    material->EmissiveColorField()->SetValue(color);
    auto appearance = Core<holvane::Appearance>();
    appearance->MaterialField()->SetValue(material);
    return appearance;
}

std::shared_ptr<holvane::Transform> Place(const NodePtr& child, float x, float y, float z, float yaw = 0.0f) {
    auto place = Core<holvane::Transform>();
    place->TranslationField()->SetValues(x, y, z);
    if (yaw != 0.0f) place->RotationField()->SetValues(0, 1, 0, yaw);
    place->ChildrenField()->Add(child);
    return place;
}

// A line of text, `size` high, standing upright and facing +z unless turned.
std::shared_ptr<holvane::Transform> Caption(const std::string& text, float x, float y, float z, float size,
                                            const char* justify = "MIDDLE", Rgb color = {1.0f, 1.0f, 0.85f}) {
    auto style = Core<holvane::FontStyle>();
    style->SizeField()->SetValue(size);
    style->FamilyField()->Values() = {"SANS"};
    style->JustifyField()->Values() = {justify, "BEGIN"};
    auto words = Core<holvane::Text>();
    words->StringField()->Add(text);
    words->FontStyleField()->SetValue(style);
    auto shape = Core<holvane::Shape>();
    shape->GeometryField()->SetValue(words);
    shape->AppearanceField()->SetValue(Glow(color));
    return Place(shape, x, y, z);
}

std::shared_ptr<holvane::Shape> Solid(const NodePtr& geometry, const NodePtr& appearance) {
    auto shape = Core<holvane::Shape>();
    shape->GeometryField()->SetValue(geometry);
    shape->AppearanceField()->SetValue(appearance);
    return shape;
}

// One world: its root, its routes, and the shared scene around the exhibits.
struct World {
    std::string name;
    std::shared_ptr<holvane::Transform> root = Core<holvane::Transform>();
    holvane::RouteCollection routes;

    void Add(const NodePtr& node) { root->ChildrenField()->Add(node); }

    // A dark background, an examine-mode viewer, the headlight and a light from above the
    // viewer's shoulder, and a viewpoint at eye looking at target.
    World(std::string worldName, Vec3f eye, Vec3f target, const std::string& title) : name(std::move(worldName)) {
        auto info = Core<holvane::WorldInfo>();
        info->TitleField()->SetValue(title);
        Add(info);
        auto background = Core<holvane::Background>();
        background->SkyColorField()->Values() = {{0.13f, 0.15f, 0.2f}};
        Add(background);
        auto navigation = Core<holvane::NavigationInfo>();
        navigation->TypeField()->Values() = {"EXAMINE", "ANY"};
        Add(navigation);
        auto light = Core<holvane::DirectionalLight>();
        light->DirectionField()->SetValues(-0.3f, -0.8f, -0.5f);
        light->IntensityField()->SetValue(0.6f);
        light->AmbientIntensityField()->SetValue(0.4f);
        Add(light);
        const float dx = target[0] - eye[0], dy = target[1] - eye[1], dz = target[2] - eye[2];
        const float length = std::sqrt(dx * dx + dy * dy + dz * dz);
        auto view = Core<holvane::Viewpoint>();
        view->SetDEFName("GALLERY_VIEW");
        view->DescriptionField()->SetValue(title);
        view->PositionField()->SetValue(eye);
        // Turned about x (pitch) first, then about y (yaw), from the default view down -z.
        view->OrientationField()->SetEulerValues(std::asin(dy / length), std::atan2(-dx, -dz), 0.0f);
        Add(view);
    }

    bool Write(const std::filesystem::path& folder) {
        const auto file = folder / name;
        if (!holvane::VRMLFileTraverser().Write(file, *root, routes)) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            return false;
        }
        std::printf("%s\n", file.c_str());
        return true;
    }
};

const Rgb kBlue{0.2f, 0.45f, 0.85f};
const Rgb kOrange{0.95f, 0.55f, 0.15f};
const Rgb kGreen{0.3f, 0.75f, 0.35f};
const Rgb kRed{0.85f, 0.25f, 0.25f};
const Rgb kPurple{0.6f, 0.4f, 0.8f};
const Rgb kTeal{0.15f, 0.7f, 0.7f};

// ---------------------------------------------------------------------------------------------
// Series in a chart grid: the grid spans 8 x 4 x 5 with one series row per unit of depth, back to
// front: area (with its pop-up strip), outlined ribbon, rounded ribbon, stacked outlined columns,
// rounded columns. Each row is named at its right end.

World SeriesWorld() {
    World world("gallery_series.wrl", {15.0f, 9.5f, 14.5f}, {6.2f, 1.6f, 2.2f}, "Series protos in a chart grid");

    auto grid = Graph<graph::qrx_ChartGrid>();
    grid->AppearanceField()->SetValue(Look({0.82f, 0.8f, 0.76f}));
    grid->LineColorField()->SetValues(0.35f, 0.35f, 0.4f);
    grid->XDimensionField()->SetValue(9);
    grid->YDimensionField()->SetValue(5);
    grid->ZDimensionField()->SetValue(6);
    grid->ThicknessField()->SetValue(0.03f);
    world.Add(grid);

    const std::vector<float> area{2.4f, 3.1f, 2.7f, 3.5f, 3.2f, 3.8f, 3.4f, 3.9f};
    auto areaLook = Look(kBlue);
    auto areaSeries = Graph<graph::qrx_OutlinedAreaSeries>();
    areaSeries->AppearanceField()->SetValue(areaLook);
    areaSeries->WireColorField()->SetValues(0.05f, 0.1f, 0.25f);
    areaSeries->XDimensionField()->SetValue(8);
    areaSeries->DepthField()->SetValue(0.6f);
    areaSeries->HeightField()->Values() = area;
    auto strip = Graph<graph::qrx_PopupStrip>();
    strip->XDimensionField()->SetValue(8);
    strip->RadiusField()->SetValue(0.07f);
    strip->DepthField()->SetValue(0.6f);
    strip->HeightField()->Values() = area;
    strip->ColorField()->SetValues(1.0f, 0.9f, 0.2f);
    strip->PopupHeightField()->SetValue(0.35f);
    for (const char* month : {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug"})
        strip->PopupTextField()->Add(std::string(month));
    auto areaRow = Core<holvane::Group>();
    areaRow->ChildrenField()->Add(areaSeries);
    areaRow->ChildrenField()->Add(strip);
    world.Add(Place(areaRow, 0.5f, 0.0f, 0.2f));

    auto ribbonLook = Look(kOrange);
    auto ribbon = Graph<graph::qrx_OutlinedRibbonSeries>();
    ribbon->AppearanceField()->SetValue(ribbonLook);
    ribbon->WireColorField()->SetValues(0.3f, 0.12f, 0.0f);
    ribbon->XDimensionField()->SetValue(8);
    ribbon->ThicknessField()->SetValue(0.3f);
    ribbon->DepthField()->SetValue(0.6f);
    ribbon->HeightField()->Values() = {1.6f, 2.2f, 1.9f, 2.6f, 2.3f, 2.9f, 2.5f, 3.0f};
    world.Add(Place(ribbon, 0.5f, 0.0f, 1.2f));

    auto rounded = Graph<graph::qrx_RoundedRibbonSeries>();
    rounded->AppearanceField()->SetValue(Look(kPurple));
    rounded->XDimensionField()->SetValue(8);
    rounded->ThicknessField()->SetValue(0.3f);
    rounded->DepthField()->SetValue(0.6f);
    rounded->BevelRadiusField()->SetValue(0.1f);
    rounded->HeightField()->Values() = {1.0f, 1.5f, 1.3f, 1.9f, 1.6f, 2.2f, 1.9f, 2.4f};
    world.Add(Place(rounded, 0.5f, 0.0f, 2.2f));

    // Stacked columns: the upper series stands on the lower one.
    const std::vector<float> lower{0.5f, 0.8f, 0.7f, 1.0f, 0.9f, 1.2f, 1.0f, 1.3f};
    const std::vector<float> added{0.4f, 0.5f, 0.6f, 0.4f, 0.7f, 0.5f, 0.6f, 0.5f};
    auto columnLook = Look(kGreen);
    auto stacked = Core<holvane::Group>();
    for (int level = 0; level < 2; ++level) {
        auto columns = Graph<graph::qrx_OutlinedColumnSeries>();
        columns->AppearanceField()->Add(level == 0 ? columnLook : Look(kRed));
        columns->WireColorField()->SetValues(0.05f, 0.15f, 0.05f);
        columns->XDimensionField()->SetValue(8);
        columns->WidthField()->SetValue(0.6f);
        columns->DepthField()->SetValue(0.6f);
        std::vector<float> top = lower;
        if (level == 1) {
            for (std::size_t i = 0; i < top.size(); ++i) top[i] += added[i];
            columns->FloorField()->Values() = lower;
        }
        columns->HeightField()->Values() = top;
        stacked->ChildrenField()->Add(columns);
    }
    world.Add(Place(stacked, 0.5f, 0.0f, 3.2f));

    // Rounded columns in two alternating appearances; the first two stand on a raised floor.
    auto roundedColumns = Graph<graph::qrx_RoundedColumnSeries>();
    roundedColumns->AppearanceField()->Add(Look(kTeal));
    roundedColumns->AppearanceField()->Add(Look({0.85f, 0.8f, 0.3f}));
    roundedColumns->XDimensionField()->SetValue(8);
    roundedColumns->WidthField()->SetValue(0.6f);
    roundedColumns->DepthField()->SetValue(0.6f);
    roundedColumns->BevelRadiusField()->SetValue(0.1f);
    roundedColumns->HeightField()->Values() = {0.9f, 1.1f, 0.6f, 0.9f, 0.8f, 1.1f, 0.9f, 1.2f};
    roundedColumns->FloorField()->Values() = {0.3f, 0.2f};
    world.Add(Place(roundedColumns, 0.5f, 0.0f, 4.2f));

    const char* names[] = {"qrx_OutlinedAreaSeries + qrx_PopupStrip", "qrx_OutlinedRibbonSeries",
                           "qrx_RoundedRibbonSeries", "qrx_OutlinedColumnSeries (stacked)", "qrx_RoundedColumnSeries"};
    for (int row = 0; row < 5; ++row)
        world.Add(Caption(names[row], 8.25f, 0.1f, static_cast<float>(row) + 0.8f, 0.26f, "BEGIN"));

    auto legend = Graph<graph::qrx_Legend>();
    legend->AppearancesField()->Add(areaLook);
    legend->AppearancesField()->Add(ribbonLook);
    legend->AppearancesField()->Add(columnLook);
    legend->DescriptionsField()->Values() = {"Revenue", "Costs", "Margin"};
    legend->TextHeightField()->SetValue(0.4f);
    legend->TextGapField()->SetValue(0.25f);
    world.Add(Place(legend, 1.0f, 4.6f, 0.0f));
    world.Add(Caption("qrx_ChartGrid, qrx_Legend", 4.0f, 6.8f, 0.0f, 0.35f));
    return world;
}

// ---------------------------------------------------------------------------------------------
// Slices and a pie chart: the three slice forms, opened towards the viewer, and a two-ring pie
// chart whose appearances and captions reach a legend through routes.

World PieWorld() {
    World world("gallery_pies.wrl", {0.0f, 7.5f, 13.5f}, {0.0f, 0.8f, 0.0f}, "Slices and a pie chart");
    const float pi = std::numbers::pi_v<float>;
    // Each slice sweeps 252 degrees from its +x axis towards +z.
    const float angle = 1.4f * pi;
    auto outlined = Graph<graph::qrx_OutlinedPieSlice>();
    outlined->AppearanceField()->SetValue(Look(kOrange));
    outlined->WireColorField()->SetValues(0.25f, 0.1f, 0.0f);
    outlined->RadiusField()->SetValue(1.1f);
    outlined->HeightField()->SetValue(0.6f);
    outlined->AngleField()->SetValue(angle);
    auto roundedSlice = Graph<graph::qrx_RoundedPieSlice>();
    roundedSlice->AppearanceField()->SetValue(Look(kBlue));
    roundedSlice->RadiusField()->SetValue(1.1f);
    roundedSlice->HeightField()->SetValue(0.6f);
    roundedSlice->AngleField()->SetValue(angle);
    auto ring = Graph<graph::qrx_RoundedRingSlice>();
    ring->AppearanceField()->SetValue(Look(kGreen));
    ring->RadiusField()->SetValue(1.1f);
    ring->InnerRadiusField()->SetValue(0.55f);
    ring->HeightField()->SetValue(0.6f);
    ring->AngleField()->SetValue(angle);
    const float yaw = -0.7f * pi;  // the gap (local -108 to 0 degrees) turned to face the viewer
    world.Add(Place(outlined, -6.4f, 0.0f, 0.0f, yaw));
    world.Add(Place(roundedSlice, -3.7f, 0.0f, 0.0f, yaw));
    world.Add(Place(ring, -1.0f, 0.0f, 0.0f, yaw));
    world.Add(Caption("qrx_OutlinedPieSlice", -6.4f, -0.7f, 1.3f, 0.26f));
    world.Add(Caption("qrx_RoundedPieSlice", -3.7f, -0.7f, 1.3f, 0.26f));
    world.Add(Caption("qrx_RoundedRingSlice", -1.0f, -0.7f, 1.3f, 0.26f));

    auto pie = Graph<graph::qrx_PieChart>();
    for (const Rgb& c : {kBlue, kOrange, kGreen, kRed, kPurple}) pie->AppearancesField()->Add(Look(c));
    pie->RadiusField()->SetValue(1.8f);
    pie->InnerRadiusField()->SetValue(0.45f);
    pie->HeightField()->SetValue(0.5f);
    pie->DataField()->Values() = {35, 25, 20, 12, 8, 30, 30, 15, 15, 10};
    pie->DataBlockSizeField()->SetValue(5);
    pie->CaptionsField()->Values() = {"North", "South", "East", "West", "Other"};
    pie->CaptionHeightField()->SetValue(0.32f);
    pie->CaptionColorField()->SetValues(1.0f, 1.0f, 0.85f);
    world.Add(Place(pie, 3.2f, 0.0f, 0.0f));
    world.Add(Caption("qrx_PieChart", 3.2f, -0.7f, 2.6f, 0.26f));

    auto legend = Graph<graph::qrx_Legend>();
    legend->KeyStyleField()->SetValue("SPHERE");
    legend->TextHeightField()->SetValue(0.35f);
    legend->TextGapField()->SetValue(0.2f);
    world.Add(Place(legend, 5.8f, 0.3f, 0.0f));
    world.Add(Caption("qrx_Legend (SPHERE keys)", 6.6f, -0.7f, 0.5f, 0.26f));
    world.routes.Add(pie, "broadcastAppearances", legend, "set_appearances");
    world.routes.Add(pie, "captions_changed", legend, "set_descriptions");
    return world;
}

// ---------------------------------------------------------------------------------------------
// Surfaces: a 16 x 12 lattice drawn three ways (graded surface, every second wire-frame line,
// visible pop-up markers), and a whole surface chart with its grid.

World SurfaceWorld() {
    World world("gallery_surfaces.wrl", {1.5f, 10.0f, 13.5f}, {0.5f, 0.6f, -0.5f}, "Surfaces");
    const int nx = 16, nz = 12;
    const float spacing = 0.4f;
    std::vector<float> heights;
    for (int j = 0; j < nz; ++j)
        for (int i = 0; i < nx; ++i)
            heights.push_back(1.2f + 0.8f * std::sin(static_cast<float>(i) / 2.5f) *
                                         std::cos(static_cast<float>(j) / 3.0f) +
                              0.03f * static_cast<float>(i));

    auto surface = Graph<graph::qrx_Surface>();
    surface->SetDEFName("GRADED_SURFACE");  // gallery_test.mjs sends it new heights
    surface->AppearanceField()->SetValue(Look({0.1f, 0.3f, 0.85f}));
    surface->GradeColorField()->SetValues(1.0f, 0.55f, 0.1f);
    surface->UseGradeField()->SetValue(true);
    surface->XDimensionField()->SetValue(nx);
    surface->ZDimensionField()->SetValue(nz);
    surface->XSpacingField()->SetValue(spacing);
    surface->ZSpacingField()->SetValue(spacing);
    surface->HeightField()->Values() = heights;

    auto wires = Graph<graph::qrx_ElevationWireframe>();
    wires->ColorField()->SetValues(0.05f, 0.05f, 0.1f);
    wires->XDimensionField()->SetValue(nx);
    wires->ZDimensionField()->SetValue(nz);
    wires->XSpacingField()->SetValue(spacing);
    wires->ZSpacingField()->SetValue(spacing);
    wires->HeightField()->Values() = heights;
    wires->XMaskField()->Values() = {1, 0};
    wires->ZMaskField()->Values() = {1, 0};

    auto markers = Graph<graph::qrx_PopupSurface>();
    markers->XDimensionField()->SetValue(nx);
    markers->ZDimensionField()->SetValue(nz);
    markers->XSpacingField()->SetValue(spacing);
    markers->ZSpacingField()->SetValue(spacing);
    markers->RadiusField()->SetValue(0.05f);
    markers->HeightField()->Values() = heights;
    markers->ColorField()->SetValues(1.0f, 1.0f, 1.0f);
    markers->DefaultPopupTextField()->SetValue("sample");
    markers->PopupHeightField()->SetValue(0.3f);

    auto lattice = Core<holvane::Group>();
    for (const NodePtr& n : std::initializer_list<NodePtr>{surface, wires, markers}) lattice->ChildrenField()->Add(n);
    world.Add(Place(lattice, -7.0f, 0.0f, -2.2f));
    world.Add(Caption("qrx_Surface + qrx_ElevationWireframe", -4.0f, -0.6f, 2.9f, 0.3f));
    world.Add(Caption("+ qrx_PopupSurface", -4.0f, -1.0f, 2.9f, 0.3f));

    auto chartGrid = Graph<graph::qrx_ChartGrid>();
    chartGrid->AppearanceField()->SetValue(Look({0.8f, 0.8f, 0.78f}));
    chartGrid->LineColorField()->SetValues(0.3f, 0.3f, 0.35f);
    chartGrid->ThicknessField()->SetValue(0.025f);
    auto chart = Graph<graph::qrx_SurfaceChart>();
    chart->AppearanceField()->SetValue(Look({0.2f, 0.7f, 0.3f}));
    chart->WireColorField()->SetValues(0.0f, 0.15f, 0.05f);
    chart->GradeColorField()->SetValues(0.95f, 0.9f, 0.2f);
    chart->UseGradeField()->SetValue(true);
    chart->ChartGridField()->SetValue(chartGrid);
    chart->ChartWidthField()->SetValue(5.0f);
    chart->ChartHeightField()->SetValue(3.0f);
    chart->ChartDepthField()->SetValue(4.0f);
    chart->SeriesCountField()->SetValue(4);
    chart->RowCountField()->SetValue(6);
    chart->DataField()->Values() = {12, 18, 25, 31, 28, 22, 15, 22, 30, 38, 34, 27,
                                    10, 16, 22, 27, 25, 19, 6,  11, 15, 19, 17, 13};
    chart->DataMinField()->SetValue(0.0f);
    chart->DataMaxField()->SetValue(40.0f);
    chart->RowCaptionsField()->Values() = {"Jan", "Feb", "Mar", "Apr", "May", "Jun"};
    chart->SeriesCaptionsField()->Values() = {"North", "East", "South", "West"};
    chart->CaptionColorField()->SetValues(1.0f, 1.0f, 0.85f);
    world.Add(Place(chart, 1.5f, 0.0f, -2.2f));
    world.Add(Caption("qrx_SurfaceChart", 4.0f, -1.0f, 2.9f, 0.3f));
    return world;
}

// ---------------------------------------------------------------------------------------------
// A block chart: three series over four quarters, the first drawn by an area series node, with
// its grid and a legend fed by the chart's events.

World BlockWorld() {
    World world("gallery_blocks.wrl", {10.5f, 7.0f, 11.0f}, {3.0f, 1.2f, 1.5f}, "A block chart");
    auto chartGrid = Graph<graph::qrx_ChartGrid>();
    chartGrid->AppearanceField()->SetValue(Look({0.8f, 0.8f, 0.78f}));
    chartGrid->LineColorField()->SetValues(0.3f, 0.3f, 0.35f);
    chartGrid->ThicknessField()->SetValue(0.025f);
    auto firstSeries = Graph<graph::qrx_OutlinedAreaSeries>();
    firstSeries->AppearanceField()->SetValue(Look(kTeal));
    firstSeries->WireColorField()->SetValues(0.0f, 0.2f, 0.2f);
    auto chart = Graph<graph::qrx_BlockChart>();
    for (const Rgb& c : {kTeal, kOrange, kPurple}) chart->AppearancesField()->Add(Look(c));
    chart->SeriesField()->Add(firstSeries);
    chart->ChartGridField()->SetValue(chartGrid);
    chart->ChartWidthField()->SetValue(6.0f);
    chart->ChartHeightField()->SetValue(3.5f);
    chart->ChartDepthField()->SetValue(3.0f);
    chart->DataField()->Values() = {22, 35, 28, 41, 18, 24, 31, 27, 9, 14, 20, 33};
    chart->DataMinField()->SetValue(0.0f);
    chart->DataMaxField()->SetValue(50.0f);
    chart->RowCountField()->SetValue(4);
    chart->RowCaptionsField()->Values() = {"Q1", "Q2", "Q3", "Q4"};
    chart->SeriesCaptionsField()->Values() = {"North", "Centre", "South"};
    chart->CaptionColorField()->SetValues(1.0f, 1.0f, 0.85f);
    world.Add(chart);
    auto legend = Graph<graph::qrx_Legend>();
    legend->TextHeightField()->SetValue(0.35f);
    legend->TextGapField()->SetValue(0.2f);
    world.Add(Place(legend, 0.0f, 4.1f, 0.0f));
    world.routes.Add(chart, "broadcastAppearances", legend, "set_appearances");
    world.routes.Add(chart, "seriesCaptions_changed", legend, "set_descriptions");
    world.Add(Caption("qrx_BlockChart, qrx_ChartGrid, qrx_Legend", 3.0f, 6.0f, 0.0f, 0.35f));
    return world;
}

// ---------------------------------------------------------------------------------------------
// Controls, seen straight from (0, 0, 12): every named node here is read by interaction_test.mjs.
//   spheres  five at y = 2, x = -5.5 .. -1.5; pop-ups framed in magenta; mouseOverIndex and
//            mouseClickedIndex reach the Switches SPHERE_OVER and SPHERE_CLICKED
//   cones    three at y = -1.5, x = -5 .. -2; mouseClickedIndex drives the router LINKS
//   check box at (0.5, 2.5): its value shows and hides the green box in TOGGLED (at (3, 2.5))
//   slider   from (-0.5, -1.5) to (3.5, -1.5), values 0 to 3: drives the Switch CHOICES (at
//            (5, -1.5)) and the three intervals, whose blocks reach STEP_CAPTION (Text),
//            STEP_KEYS (ScalarInterpolator), STEP_POINTS (Coordinate) and STEP_INDEX (Switch)

World ControlsWorld() {
    World world("gallery_controls.wrl", {0.0f, 0.0f, 12.0f}, {0.0f, 0.0f, 0.0f}, "Controls");
    auto observer = [&](const char* name) {
        auto s = Core<holvane::Switch>();
        s->SetDEFName(name);
        world.Add(s);
        return s;
    };

    auto spheres = Graph<graph::qrx_SphereCollection>();
    spheres->SetDEFName("SPHERES");
    for (int i = 0; i < 5; ++i) spheres->LocationsField()->Add({-5.5f + static_cast<float>(i), 2.0f, 0.0f});
    spheres->ColorsField()->Values() = {kBlue, kOrange, kGreen};  // the last two use defaultColor
    spheres->DefaultColorField()->SetValues(0.75f, 0.75f, 0.8f);
    spheres->RadiiField()->Values() = {0.3f, 0.4f, 0.35f, 0.3f};  // the last one uses defaultRadius
    spheres->DefaultRadiusField()->SetValue(0.25f);
    spheres->TransparenciesField()->Values() = {0.0f, 0.0f, 0.0f, 0.4f};
    spheres->PopupTextField()->Values() = {"North 12", "East 30", "", "West 18"};  // third: default
    spheres->DefaultPopupTextField()->SetValue("no data");
    spheres->PopupHeightField()->SetValue(0.35f);
    spheres->AllignmentField()->SetValue("TOP");
    spheres->BackgroundColorField()->SetValues(0.1f, 0.1f, 0.3f);
    spheres->BorderColorField()->SetValues(1.0f, 0.0f, 1.0f);
    world.Add(spheres);
    world.routes.Add(spheres, "mouseOverIndex", observer("SPHERE_OVER"), "set_whichChoice");
    world.routes.Add(spheres, "mouseClickedIndex", observer("SPHERE_CLICKED"), "set_whichChoice");
    world.Add(Caption("qrx_SphereCollection", -3.5f, 3.5f, 0.0f, 0.3f));

    auto cones = Graph<graph::qrx_ConeCollection>();
    cones->SetDEFName("CONES");
    for (int i = 0; i < 3; ++i) cones->LocationsField()->Add({-5.0f + 1.5f * static_cast<float>(i), -1.5f, 0.0f});
    cones->ColorsField()->Values() = {kRed, kTeal};
    cones->DefaultColorField()->SetValues(0.9f, 0.8f, 0.3f);
    cones->HeightsField()->Values() = {0.9f};
    cones->DefaultHeightField()->SetValue(0.7f);
    cones->BottomRadiiField()->Values() = {0.4f, 0.35f, 0.4f};
    cones->RotationsField()->Values() = {{0, 0, 1, 0}, {0, 0, 1, 0}, {0, 0, 1, 3.14159f}};  // the last points down
    cones->PopupTextField()->Values() = {"Go north", "Go centre", "Go south"};
    cones->PopupHeightField()->SetValue(0.3f);
    cones->AllignmentField()->SetValue("BOTTOM");
    world.Add(cones);
    world.Add(Caption("qrx_ConeCollection -> qrx_Router", -3.5f, -3.0f, 0.0f, 0.3f));

    auto router = atrium::MakeNavNode<holvane::qrx_Router>();
    router->SetDEFName("LINKS");
    router->UrlField()->Values() = {"http://www.example.com/atrium/north.wrl", "http://www.example.com/atrium/centre.wrl",
                                    "http://www.example.com/atrium/south.wrl"};
    world.Add(router);
    world.routes.Add(cones, "mouseClickedIndex", router, "set_linkIndex");

    auto box = atrium::MakeUINode<holvane::qrx_CheckBox>();
    box->SetDEFName("SHOW_BOX");
    box->SizeField()->SetValue(0.6f);
    box->ValueField()->SetValue(true);
    box->ColorField()->SetValues(0.85f, 0.85f, 0.9f);
    world.Add(Place(box, 0.5f, 2.5f, 0.0f));
    auto content = Core<holvane::Box>();
    content->SizeField()->SetValues(1.0f, 1.0f, 1.0f);
    auto toggled = atrium::MakeUINode<holvane::qrx_ContentToggle>();
    toggled->SetDEFName("TOGGLED");
    toggled->ChildrenField()->Add(Place(Solid(content, Glow({0.0f, 1.0f, 0.0f})), 3.0f, 2.5f, 0.0f));
    world.Add(toggled);
    world.routes.Add(box, "value_changed", toggled, "set_contentsExist");
    world.Add(Caption("qrx_CheckBox -> qrx_ContentToggle", 1.8f, 3.5f, 0.0f, 0.3f));

    auto slider = atrium::MakeUINode<holvane::qrx_Slider>();
    slider->SetDEFName("CHOOSER");
    slider->LengthField()->SetValue(4.0f);
    slider->RadiusField()->SetValue(0.3f);
    slider->MinimumField()->SetValue(0);
    slider->MaximumField()->SetValue(3);
    // The track runs along the slider's +y; turned a quarter clockwise, it lies along +x.
    auto lying = Place(slider, -0.5f, -1.5f, 0.0f);
    lying->RotationField()->SetValues(0, 0, 1, -1.5708f);
    world.Add(lying);
    world.Add(Caption("qrx_Slider", 1.5f, -0.6f, 0.0f, 0.3f));

    auto choices = Core<holvane::Switch>();
    choices->SetDEFName("CHOICES");
    choices->WhichChoiceField()->SetValue(0);
    auto cube = Core<holvane::Box>();
    cube->SizeField()->SetValues(0.8f, 0.8f, 0.8f);
    auto ball = Core<holvane::Sphere>();
    ball->RadiusField()->SetValue(0.5f);
    auto cone = Core<holvane::Cone>();
    cone->BottomRadiusField()->SetValue(0.5f);
    cone->HeightField()->SetValue(1.0f);
    auto cylinder = Core<holvane::Cylinder>();
    cylinder->RadiusField()->SetValue(0.4f);
    cylinder->HeightField()->SetValue(0.9f);
    choices->ChoiceField()->Add(Solid(cube, Look(kBlue)));
    choices->ChoiceField()->Add(Solid(ball, Look(kOrange)));
    choices->ChoiceField()->Add(Solid(cone, Look(kGreen)));
    choices->ChoiceField()->Add(Solid(cylinder, Look(kRed)));
    world.Add(Place(choices, 5.0f, -1.5f, 0.0f));
    world.routes.Add(slider, "value_changed", choices, "set_whichChoice");

    // The intervals step through four blocks as the slider moves.
    auto floats = Graph<graph::qrx_MultiFloatInterval>();
    floats->ValueField()->Values() = {0, 0.5f, 1, 0, 0.25f, 1, 0, 0.75f, 1, 0, 1, 2};
    floats->BlockSizeField()->SetValue(3);
    auto vectors = Graph<graph::qrx_MultiVec3fInterval>();
    vectors->ValueField()->Values() = {{0, 0, 0}, {1, 0.2f, 0}, {2, 0, 0},  {9, 0.4f, 5}, {9, 0.8f, 5},
                                       {9, 0.4f, 5}, {9, 0.6f, 5}, {9, 1.2f, 5}, {9, 0.6f, 5}, {9, 0.8f, 5},
                                       {9, 1.6f, 5}, {9, 0.8f, 5}};
    vectors->BlockSizeField()->SetValue(3);
    vectors->HoldXField()->SetValue(true);
    vectors->HoldZField()->SetValue(true);
    auto strings = Graph<graph::qrx_MultiStringInterval>();
    strings->ValueField()->Values() = {"Quarter 1", "Quarter 2", "Quarter 3", "Quarter 4"};
    for (const NodePtr& interval : std::initializer_list<NodePtr>{floats, vectors, strings}) {
        world.Add(interval);
        world.routes.Add(slider, "value_changed", interval, "set_index");
    }
    auto keys = Core<holvane::ScalarInterpolator>();
    keys->SetDEFName("STEP_KEYS");
    world.Add(keys);
    world.routes.Add(floats, "value_changed", keys, "set_key");
    world.routes.Add(strings, "index_changed", observer("STEP_INDEX"), "set_whichChoice");

    auto caption = Caption("", 5.0f, 0.0f, 0.0f, 0.35f);
    auto text = std::static_pointer_cast<holvane::Text>(
        std::static_pointer_cast<holvane::Shape>(caption->ChildrenField()->Get(1))->GeometryField()->Value());
    text->SetDEFName("STEP_CAPTION");
    world.Add(caption);
    world.routes.Add(strings, "value_changed", text, "set_string");

    auto points = Core<holvane::Coordinate>();
    points->SetDEFName("STEP_POINTS");
    points->PointField()->Values() = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
    auto line = Core<holvane::IndexedLineSet>();
    line->CoordField()->SetValue(points);
    line->CoordIndexField()->Values() = {0, 1, 2, -1};
    world.Add(Place(Solid(line, Glow({1.0f, 0.9f, 0.3f})), 4.0f, -3.7f, 0.0f));
    world.routes.Add(vectors, "value_changed", points, "set_point");
    world.Add(Caption("qrx_Multi*Interval", 5.0f, -4.25f, 0.0f, 0.3f));
    return world;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argc > 0 ? argv[0] : "gallery_world");
        return 2;
    }
    try {
        atrium::SetProtoPath("");  // the proto files stand beside the worlds
        const std::filesystem::path folder = argv[1];
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);  // a failure shows as a failed write
        for (World (*make)() : {SeriesWorld, PieWorld, SurfaceWorld, BlockWorld, ControlsWorld})
            if (!make().Write(folder)) return 1;
        return CopyProtoFiles(folder) ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
