#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "atrium/drill_down_info.hpp"
#include "atrium/drill_layout.hpp"
#include "atrium/drill_up_info.hpp"
#include "atrium/grid_info.hpp"
#include "atrium/grid_interactivity_info.hpp"
#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"
#include "holvane/traverser.hpp"
#include "vrml_reader.hpp"
#include "expect_error.hpp"

namespace {

using atrium::DrillDownInfo;
using atrium::DrillUpInfo;
using atrium::GridInteractivityInfo;
using holvane::Vec3f;

template <class T>
std::shared_ptr<T> As(const holvane::NodePtr& node) {
    auto typed = std::dynamic_pointer_cast<T>(node);
    if (!typed) throw std::runtime_error("unexpected node type " + (node ? node->NodeType() : "NULL"));
    return typed;
}

std::vector<Vec3f> Locations(const DrillDownInfo& drillDown) {
    return drillDown.ConeCollectionNode()->LocationsField()->Values();
}

std::shared_ptr<holvane::Transform> RootOf(const atrium::ISceneRoot& part) {
    return As<holvane::Transform>(part.RootNode());
}

const float kNaN = std::numeric_limits<float>::quiet_NaN();

// ---- Drill-up cone ---------------------------------------------------------------------------

struct DrillUpNodes {
    std::shared_ptr<holvane::Anchor> anchor;
    std::shared_ptr<holvane::Cone> cone;
    std::shared_ptr<holvane::Material> material;
};

DrillUpNodes Walk(const DrillUpInfo& drillUp) {
    auto root = RootOf(drillUp);
    EXPECT_EQ(root->ChildrenField()->size(), 1u);
    DrillUpNodes n;
    n.anchor = As<holvane::Anchor>(root->ChildrenField()->Get(1));
    EXPECT_EQ(n.anchor->ChildrenField()->size(), 1u);
    auto shape = As<holvane::Shape>(n.anchor->ChildrenField()->Get(1));
    n.cone = As<holvane::Cone>(shape->GeometryField()->Value());
    auto appearance = As<holvane::Appearance>(shape->AppearanceField()->Value());
    n.material = As<holvane::Material>(appearance->MaterialField()->Value());
    return n;
}

TEST(DrillUp, ConeInAnAnchorWithItsDefaultsAndPropertiesReachingTheNodes) {
    DrillUpInfo drillUp;
    const DrillUpNodes n = Walk(drillUp);
    EXPECT_EQ(n.cone->HeightField()->Value(), 1.0f);
    EXPECT_EQ(n.cone->BottomRadiusField()->Value(), 0.5f);
    EXPECT_EQ(n.material->DiffuseColorField()->RGBValue(), 0xAB782C);
    EXPECT_EQ(n.material->ShininessField()->Value(), 0.5f);
    EXPECT_EQ(drillUp.URL(), "");

    drillUp.SetConeRadius(0.25f);
    drillUp.SetConeTransparency(0.0f);
    drillUp.SetConeTransparency(1.0f);
    drillUp.SetDescription("Back to the year");
    drillUp.SetURL("year.wrl");
    drillUp.SetURL("decade.wrl");
    EXPECT_EQ(n.cone->BottomRadiusField()->Value(), 0.25f);
    EXPECT_EQ(n.material->TransparencyField()->Value(), 1.0f);
    EXPECT_EQ(n.anchor->DescriptionField()->Value(), "Back to the year");
    EXPECT_EQ(n.anchor->UrlField()->Values(), std::vector<std::string>{"decade.wrl"});
}

TEST(DrillUp, RejectedValuesChangeNothing) {
    DrillUpInfo drillUp;
    drillUp.SetConeTransparency(0.5f);
    for (const float bad : {0.0f, -1.0f, kNaN}) {
        ExpectObjectError([&] { drillUp.SetConeRadius(bad); }, "Invalid radius, must be greater than 0");
        ExpectObjectError([&] { drillUp.SetConeHeight(bad); }, "Invalid height, must be greater than 0");
    }
    for (const float bad : {-0.01f, 1.01f, kNaN})
        ExpectObjectError([&] { drillUp.SetConeTransparency(bad); },
                          "Invalid transparency, must be in the range [0..1]");
    EXPECT_EQ(drillUp.ConeRadius(), 0.5f);
    EXPECT_EQ(drillUp.ConeHeight(), 1.0f);
    EXPECT_EQ(drillUp.ConeTransparency(), 0.5f);
}

// ---- Drill-down row ------------------------------------------------------------------------

TEST(DrillDown, NewRowHasTwoDownwardConesOneApartAndARouter) {
    DrillDownInfo drillDown;
    auto children = RootOf(drillDown)->ChildrenField();
    ASSERT_EQ(children->size(), 2u);
    EXPECT_EQ(children->Get(1), drillDown.ConeCollectionNode());
    EXPECT_EQ(children->Get(2), drillDown.RouterNode());

    EXPECT_EQ(Locations(drillDown), (std::vector<Vec3f>{{0, 0, 0}, {1, 0, 0}}));
    EXPECT_EQ(drillDown.Count(), 2);
    EXPECT_EQ(drillDown.Spacing(), 1.0f);
    auto cones = drillDown.ConeCollectionNode();
    EXPECT_EQ(cones->DefaultColorField()->RGBValue(), 0xA57421);
    EXPECT_EQ(cones->DefaultRotationField()->Value(), (holvane::AxisAngle{1, 0, 0, 3.14159f}));
    EXPECT_EQ(drillDown.ConeColor(), 0xA57421);
    EXPECT_EQ(drillDown.ConeRadius(), 0.5f);
    EXPECT_EQ(drillDown.ConeHeight(), 1.0f);
}

TEST(DrillDown, ProtoNodesTakeTheProtoPathOfTheirCreation) {
    const std::string saved = atrium::ProtoPath();
    atrium::SetProtoPath("..\\protos\\");
    DrillDownInfo drillDown;
    atrium::SetProtoPath("elsewhere/");
    EXPECT_EQ(drillDown.ConeCollectionNode()->SourceFile(), "..\\protos\\HV_GRAPH.wrl");
    EXPECT_EQ(drillDown.RouterNode()->SourceFile(), "..\\protos\\HV_NAV.wrl");
    atrium::SetProtoPath(saved);
}

TEST(DrillDown, CountAndSpacingLayTheConesOutAgain) {
    DrillDownInfo drillDown;
    drillDown.SetCount(4);
    EXPECT_EQ(Locations(drillDown), (std::vector<Vec3f>{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}}));
    drillDown.SetSpacing(0.5f);
    EXPECT_EQ(Locations(drillDown), (std::vector<Vec3f>{{0, 0, 0}, {0.5f, 0, 0}, {1, 0, 0}, {1.5f, 0, 0}}));
    drillDown.SetCount(1);
    EXPECT_EQ(Locations(drillDown), (std::vector<Vec3f>{{0, 0, 0}}));
}

TEST(DrillDown, RejectedValuesChangeNothing) {
    DrillDownInfo drillDown;
    for (const std::int16_t bad : {std::int16_t{0}, std::int16_t{-1}})
        ExpectObjectError([&] { drillDown.SetCount(bad); }, "Invalid count, must be greater than 0");
    for (const float bad : {0.0f, -2.0f, kNaN}) {
        ExpectObjectError([&] { drillDown.SetSpacing(bad); }, "Invalid spacing, must be greater than 0");
        ExpectObjectError([&] { drillDown.SetConeRadius(bad); }, "Invalid radius, must be greater than 0");
        ExpectObjectError([&] { drillDown.SetConeHeight(bad); }, "Invalid height, must be greater than 0");
    }
    EXPECT_EQ(Locations(drillDown), (std::vector<Vec3f>{{0, 0, 0}, {1, 0, 0}}));
    EXPECT_EQ(drillDown.ConeRadius(), 0.5f);
    EXPECT_EQ(drillDown.ConeHeight(), 1.0f);
}

// ---- Switching the parts on and off --------------------------------------------------------

TEST(GridInteractivity, UseFlagsAddAndRemoveThePartRootsAndKeepTheirSettings) {
    GridInteractivityInfo interactivity;
    auto group = As<holvane::Group>(interactivity.RootNode());
    auto children = group->ChildrenField();
    EXPECT_EQ(children->size(), 0u);
    EXPECT_FALSE(interactivity.UseDrillUp());
    EXPECT_FALSE(interactivity.UseXAxisDrillDown());
    EXPECT_FALSE(interactivity.UseZAxisDrillDown());
    EXPECT_NE(interactivity.XAxisDrillDownProps(), interactivity.ZAxisDrillDownProps());

    interactivity.SetUseZAxisDrillDown(true);
    interactivity.SetUseDrillUp(true);
    interactivity.SetUseDrillUp(true);  // the current value: no second copy
    ASSERT_EQ(children->size(), 2u);
    EXPECT_EQ(children->Get(1), interactivity.ZAxisDrillDownProps()->RootNode());
    EXPECT_EQ(children->Get(2), interactivity.DrillUpProps()->RootNode());

    interactivity.DrillUpProps()->SetURL("up.wrl");
    interactivity.SetUseDrillUp(false);
    interactivity.SetUseXAxisDrillDown(false);  // already off: nothing to remove
    ASSERT_EQ(children->size(), 1u);
    EXPECT_EQ(children->Get(1), interactivity.ZAxisDrillDownProps()->RootNode());
    interactivity.SetUseDrillUp(true);
    EXPECT_EQ(interactivity.DrillUpProps()->URL(), "up.wrl");
    EXPECT_EQ(group, interactivity.RootNode());
}

// ---- Placement on the grid ------------------------------------------------------------------

// A 10 x 3 x 4 grid with 5 X cells and 2 Z cells.
struct PlacedDrills : ::testing::Test {
    PlacedDrills() {
        grid.SetXAxisCellCount(5);
        grid.SetZAxisCellCount(2);
        grid.SetWidth(10.0f);
        grid.SetHeight(3.0f);
        grid.SetDepth(4.0f);
    }
    atrium::GridInfo grid;
    GridInteractivityInfo interactivity;
    holvane::RouteCollection routes;
};

TEST_F(PlacedDrills, DrillUpStandsAtTheFarCornerLiftedByItsHeight) {
    DrillUpInfo& up = *interactivity.DrillUpProps();
    up.SetConeHeight(2.0f);
    atrium::LayOutDrillUp(grid, up);
    EXPECT_EQ(RootOf(up)->TranslationField()->Value(), (Vec3f{10.0f, 1.1f, 4.0f}));
    EXPECT_EQ(RootOf(up)->RotationField()->Value(), (holvane::AxisAngle{0, 0, 1, 0}));
}

TEST_F(PlacedDrills, XDrillDownHasOneConePerCellAlongTheFrontEdge) {
    DrillDownInfo& x = *interactivity.XAxisDrillDownProps();
    atrium::LayOutXAxisDrillDown(grid, x, routes);
    EXPECT_EQ(x.Count(), 5);
    EXPECT_EQ(x.Spacing(), 2.0f);
    EXPECT_EQ(Locations(x), (std::vector<Vec3f>{{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {6, 0, 0}, {8, 0, 0}}));
    // The first cone over the middle of the first cell.
    EXPECT_EQ(RootOf(x)->TranslationField()->Value(), (Vec3f{1.0f, 0.55f, 4.0f}));
    EXPECT_EQ(RootOf(x)->RotationField()->Value(), (holvane::AxisAngle{0, 0, 1, 0}));
    EXPECT_EQ(x.ConeCollectionNode()->DEFName(), "X_AXIS_DRILL_DOWN");
    EXPECT_EQ(x.RouterNode()->DEFName(), "X_AXIS_ROUTER");
    ASSERT_EQ(routes.Count(), 1u);
    const holvane::Route& route = routes.Routes()[0];
    EXPECT_EQ(route.fromNode, x.ConeCollectionNode());
    EXPECT_EQ(route.eventOut, "mouseClickedIndex");
    EXPECT_EQ(route.toNode, x.RouterNode());
    EXPECT_EQ(route.eventIn, "set_linkIndex");
}

TEST_F(PlacedDrills, ZDrillDownIsTurnedToRunAlongTheRightEdge) {
    DrillDownInfo& z = *interactivity.ZAxisDrillDownProps();
    z.SetConeHeight(0.5f);
    atrium::LayOutZAxisDrillDown(grid, z, routes);
    EXPECT_EQ(z.Count(), 2);
    EXPECT_EQ(z.Spacing(), 2.0f);
    EXPECT_EQ(RootOf(z)->TranslationField()->Value(), (Vec3f{10.0f, 0.275f, 1.0f}));
    const auto& r = RootOf(z)->RotationField()->Value();
    EXPECT_EQ(r, (holvane::AxisAngle{0, 1, 0, -1.5708f}));
    // Local +x (the row) turns about y by -90 degrees onto +z.
    EXPECT_NEAR(std::cos(r[3]), 0.0, 1e-4);
    EXPECT_NEAR(-std::sin(r[3]), 1.0, 1e-4);
    EXPECT_EQ(z.ConeCollectionNode()->DEFName(), "Z_AXIS_DRILL_DOWN");
    EXPECT_EQ(z.RouterNode()->DEFName(), "Z_AXIS_ROUTER");
    ASSERT_EQ(routes.Count(), 1u);
    EXPECT_EQ(routes.Routes()[0].fromNode, z.ConeCollectionNode());
}

TEST_F(PlacedDrills, OnlySwitchedOnPartsArePlacedAndRouted) {
    atrium::LayOutInteractivity(grid, interactivity, routes);
    EXPECT_EQ(routes.Count(), 0u);
    EXPECT_EQ(interactivity.XAxisDrillDownProps()->Count(), 2);
    EXPECT_EQ(RootOf(*interactivity.DrillUpProps())->TranslationField()->Value(), (Vec3f{0, 0, 0}));

    interactivity.SetUseZAxisDrillDown(true);
    interactivity.SetUseXAxisDrillDown(true);
    atrium::LayOutInteractivity(grid, interactivity, routes);
    ASSERT_EQ(routes.Count(), 2u);  // X first, whatever the order the parts were switched on
    EXPECT_EQ(routes.Routes()[0].fromNode, interactivity.XAxisDrillDownProps()->ConeCollectionNode());
    EXPECT_EQ(routes.Routes()[1].fromNode, interactivity.ZAxisDrillDownProps()->ConeCollectionNode());
    EXPECT_EQ(RootOf(*interactivity.DrillUpProps())->TranslationField()->Value(), (Vec3f{0, 0, 0}));
}

TEST_F(PlacedDrills, WrittenWorldRoutesEachRowToItsRouter) {
    interactivity.SetUseDrillUp(true);
    interactivity.SetUseXAxisDrillDown(true);
    interactivity.SetUseZAxisDrillDown(true);
    interactivity.XAxisDrillDownProps()->DrillDownURL()->Add("cell1.wrl");

    auto write = [&] {
        routes.Clear();  // as every export does
        atrium::LayOutInteractivity(grid, interactivity, routes);
        holvane::VRMLStringTraverser writer;
        return writer.Write(*interactivity.RootNode(), routes);
    };
    const std::string text = write();
    EXPECT_EQ(write(), text);

    const vrml_reader::World world = vrml_reader::Read(text);
    std::vector<std::string> protoNames;
    for (const auto& p : world.externProtos) protoNames.push_back(p.name);
    EXPECT_EQ(protoNames, (std::vector<std::string>{"qrx_ConeCollection", "qrx_Router"}));
    ASSERT_EQ(world.routes.size(), 2u);
    EXPECT_EQ(world.routes[0].fromNode, "X_AXIS_DRILL_DOWN");
    EXPECT_EQ(world.routes[0].eventOut, "mouseClickedIndex");
    EXPECT_EQ(world.routes[0].toNode, "X_AXIS_ROUTER");
    EXPECT_EQ(world.routes[0].eventIn, "set_linkIndex");
    EXPECT_EQ(world.routes[1].fromNode, "Z_AXIS_DRILL_DOWN");
    EXPECT_EQ(world.routes[1].toNode, "Z_AXIS_ROUTER");
    ASSERT_TRUE(world.defs.count("X_AXIS_DRILL_DOWN"));
    EXPECT_EQ(world.defs.at("X_AXIS_DRILL_DOWN")->At("locations").tokens.size(), 15u);  // 5 cones
    EXPECT_EQ(world.defs.at("X_AXIS_ROUTER")->At("url").tokens, std::vector<std::string>{"cell1.wrl"});
}

}  // namespace
