// Saving a chart, the colour type, the density's chosen bandwidth, and the object-model mends the
// data layer relies on (a surface's heights by value and as a whole, colours as Rgb).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "atrium/atrium.hpp"
#include "atrium/html/data_folder.hpp"
#include "expect_error.hpp"

namespace {

using namespace atrium::charts;
namespace fs = std::filesystem;

PieChart SmallPie() { return PieChart({.labels = {"a", "b"}, .values = {1, 3}}); }

std::string Read(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ChartSave, WritesTheWorldOrRaisesWithTheReason) {
    const fs::path folder = fs::path(testing::TempDir()) / "chart_save";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const auto chart = SmallPie();
    chart.Save(folder / "pie.WRL");
    EXPECT_EQ(Read(folder / "pie.WRL"), chart.ToVrml());

    ExpectError([&] { chart.Save(folder / "missing" / "pie.wrl"); }, holvane::kWriteFailed,
                "Cannot save " + (folder / "missing" / "pie.wrl").string() + ": No such file or directory");
    ExpectError([&] { chart.Save(folder / "pie.png"); }, holvane::kInvalidArgument,
                "Cannot save " + (folder / "pie.png").string() + ": unknown file type \".png\" (use .wrl or .html)");
    EXPECT_FALSE(fs::exists(folder / "pie.png"));
    fs::remove_all(folder);
}

// A page is the world's page as the HTML writer builds it from the data folder; without that
// folder, nothing is written and the error says where to point.
TEST(ChartSave, HtmlIsTheChartsPageOrNothing) {
    const fs::path folder = fs::path(testing::TempDir()) / "chart_save_html";
    fs::remove_all(folder);
    fs::create_directories(folder / "empty");
    const auto chart = SmallPie();
    if (fs::exists(atrium::html::DataFolder() / "viewer")) {
        chart.Save(folder / "pie.html");
        EXPECT_EQ(Read(folder / "pie.html"), chart.ToHtml("pie.wrl"));
    }

    setenv("ATRIUM_DATA_DIR", (folder / "empty").c_str(), 1);
    ExpectError([&] { chart.Save(folder / "other.html"); }, holvane::kWriteFailed,
                "Cannot save " + (folder / "other.html").string() + ": ATRIUM_DATA_DIR names " +
                    (folder / "empty").string() + ", which holds no protos folder");
    unsetenv("ATRIUM_DATA_DIR");
    EXPECT_FALSE(fs::exists(folder / "other.html"));
    fs::remove_all(folder);
}

TEST(ChartColours, RgbIsWebOrderAndPacksForTheObjectModel) {
    constexpr atrium::Rgb orange = 0xFF8800;
    static_assert(orange.Red() == 0xFF && orange.Green() == 0x88 && orange.Blue() == 0);
    static_assert(orange.Packed() == 0x0088FF);
    static_assert(atrium::Rgb::FromPacked(0x0088FF) == orange);
    // Every colour-taking call of the object model takes it as it is.
    atrium::PointCollection frame;
    frame.AddPoint(0, 0, 0, 1, orange, 0);
    EXPECT_EQ(frame.SphereCollectionNode()->ColorsField()->Values().at(0), holvane::RgbFromPacked(0x0088FF));
    // A chart's own colours and the palette: series take them in order, cycling.
    const ColumnChart chart({.categories = {"a"}, .series = {{"s", {1}}, {"t", {2}}, {"u", {3}}}},
                            {.colours = {0x112233, 0x445566}});
    const auto colourOf = [&](std::int16_t i) {
        return chart.Graph()->GetSeries(i)->Material()->DiffuseColorField()->RGBValue();
    };
    EXPECT_EQ(colourOf(1), atrium::Rgb(0x112233).Packed());
    EXPECT_EQ(colourOf(3), atrium::Rgb(0x112233).Packed());
    EXPECT_EQ(Palette().size(), 8u);
}

TEST(DensityBandwidth, ChosenFromTheSpreadUnlessGiven) {
    // x and z both spread with (sample) standard deviation 1 over three points.
    const std::vector<double> v{-1, 0, 1};
    const double silverman = 1.06 * std::pow(3.0, -0.2);
    EXPECT_NEAR(DensityChart({.sets = {{"a", v, v}}, .bandwidth = {}}).Bandwidth(), silverman, 1e-12);
    EXPECT_EQ(DensityChart({.sets = {{"a", v, v}}, .bandwidth = 0.25}).Bandwidth(), 0.25);
    // One point has no spread: a tenth of the span, or 1 when there is none.
    EXPECT_EQ(DensityChart({.sets = {{"a", {3}, {3}}}, .bandwidth = {}}).Bandwidth(), 1);
}

TEST(SurfaceHeights, ByValueAndAsAWholeMatrix) {
    atrium::SurfaceInfo surface;
    surface.SetXCount(3);
    surface.Set1HeightPoint(2, 1, 0.5f, "half");  // a value: no variable needed
    EXPECT_EQ(surface.SurfaceNode()->HeightField()->Values().at(1), 0.5f);

    const std::vector<float> heights{1, 2, 3, 4, 5, 6};
    const std::vector<std::string> texts{"a", "b", "c", "d", "e", "f"};
    surface.SetHeights(heights, texts);
    for (auto* field : {surface.SurfaceNode()->HeightField().get(), surface.WireframeNode()->HeightField().get(),
                        surface.PopupProps()->PopupSurfaceNode()->HeightField().get()})
        EXPECT_EQ(field->Values(), heights);
    EXPECT_EQ(surface.PopupProps()->PopupSurfaceNode()->PopupTextField()->Values(), texts);
    // Without texts the pop-ups keep theirs; a matrix of the wrong size changes nothing.
    surface.SetHeights(std::vector<float>(6, 0.0f));
    EXPECT_EQ(surface.PopupProps()->PopupSurfaceNode()->PopupTextField()->Values(), texts);
    ExpectObjectError([&] { surface.SetHeights(heights, std::vector<std::string>(2)); },
                      "Invalid height count, must be 6");
    ExpectObjectError([&] { surface.SetHeights(std::vector<float>(5)); }, "Invalid height count, must be 6");
    EXPECT_EQ(surface.SurfaceNode()->HeightField()->Values(), std::vector<float>(6, 0.0f));
}

}  // namespace
