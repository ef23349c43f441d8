#include "surface_layout.hpp"

#include <string>

namespace atrium {

int LayOutSurfaces(const GridInfo& grid, LegendInfo& legend, const std::vector<std::shared_ptr<SurfaceInfo>>& surfaces,
                   holvane::Group& group, holvane::RouteCollection& routes, int firstCheckBox,
                   std::optional<float> popupZOffset) {
    const float w = grid.Width() / static_cast<float>(grid.XAxisCellCount());
    const float d = grid.Depth() / static_cast<float>(grid.ZAxisCellCount());
    int checkBox = firstCheckBox;
    for (std::size_t k = 0; k < surfaces.size(); ++k) {
        SurfaceInfo& surface = *surfaces[k];
        surface.SetXSpacing(w);
        surface.SetZSpacing(d);
        if (popupZOffset) surface.SetPopupZOffset(*popupZOffset);
        surface.RootTransform()->TranslationField()->SetValues(w / 2, 0.01f, d / 2);
        group.ChildrenField()->Add(surface.RootNode());
        surface.PopupProps()->PopupSurfaceNode()->RadiusField()->SetValue(static_cast<float>(0.15 * d));
        EnterInLegend(legend, surface.Appearance(), surface.LegendText(), surface.ContentToggle(),
                      "SURFACE_" + std::to_string(k + 1), routes);
        if (legend.UseSeriesToggle()) ++checkBox;
    }
    return checkBox;
}

}  // namespace atrium
