#include "atrium/drill_layout.hpp"

namespace atrium {

namespace {

// The roots of the drill parts are Transforms; the graph places them.
holvane::Transform& RootOf(const ISceneRoot& part) { return static_cast<holvane::Transform&>(*part.RootNode()); }

// Lifts a cone so that it stands just above the floor.
float Lift(float coneHeight) { return static_cast<float>(0.55 * coneHeight); }

void NameAndRoute(DrillDownInfo& drillDown, const char* coneName, const char* routerName,
                  holvane::RouteCollection& routes) {
    auto cones = drillDown.ConeCollectionNode();
    auto router = drillDown.RouterNode();
    cones->SetDEFName(coneName);
    router->SetDEFName(routerName);
    routes.Add(cones, "mouseClickedIndex", router, "set_linkIndex");
}

}  // namespace

void LayOutDrillUp(const GridInfo& grid, DrillUpInfo& drillUp) {
    RootOf(drillUp).TranslationField()->SetValues(grid.Width(), Lift(drillUp.ConeHeight()), grid.Depth());
}

void LayOutXAxisDrillDown(const GridInfo& grid, DrillDownInfo& drillDown, holvane::RouteCollection& routes) {
    const std::int16_t cells = grid.XAxisCellCount();
    const float w = grid.Width() / static_cast<float>(cells);
    drillDown.SetCount(cells);
    drillDown.SetSpacing(w);
    RootOf(drillDown).TranslationField()->SetValues(w / 2.0f, Lift(drillDown.ConeHeight()), grid.Depth());
    NameAndRoute(drillDown, "X_AXIS_DRILL_DOWN", "X_AXIS_ROUTER", routes);
}

void LayOutZAxisDrillDown(const GridInfo& grid, DrillDownInfo& drillDown, holvane::RouteCollection& routes) {
    const std::int16_t cells = grid.ZAxisCellCount();
    const float d = grid.Depth() / static_cast<float>(cells);
    drillDown.SetCount(cells);
    drillDown.SetSpacing(d);
    auto& root = RootOf(drillDown);
    root.TranslationField()->SetValues(grid.Width(), Lift(drillDown.ConeHeight()), d / 2.0f);
    root.RotationField()->SetValues(0.0f, 1.0f, 0.0f, -1.5708f);
    NameAndRoute(drillDown, "Z_AXIS_DRILL_DOWN", "Z_AXIS_ROUTER", routes);
}

void LayOutInteractivity(const GridInfo& grid, GridInteractivityInfo& interactivity,
                         holvane::RouteCollection& routes) {
    if (interactivity.UseDrillUp()) LayOutDrillUp(grid, *interactivity.DrillUpProps());
    if (interactivity.UseXAxisDrillDown()) LayOutXAxisDrillDown(grid, *interactivity.XAxisDrillDownProps(), routes);
    if (interactivity.UseZAxisDrillDown()) LayOutZAxisDrillDown(grid, *interactivity.ZAxisDrillDownProps(), routes);
}

}  // namespace atrium
