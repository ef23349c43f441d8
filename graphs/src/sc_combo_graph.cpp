#include "atrium/sc_combo_graph.hpp"

namespace atrium {

SCComboGraph::SCComboGraph() : slots_(GridProps()) {
    Assemble();
    slots_.SetColumnsPerCell(1);
    zCellCountChanged_ = GridProps()->OnZCellCountChanged([this](std::int16_t n) { slots_.KeepOnePerCell(n); });
}

float SCComboGraph::ExportComboSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) {
    slots_.LayOut(*LegendProps(), seriesGroup, routes);
    float deepest = 0;
    for (const auto& slot : slots_.Slots().Items()) deepest = DeepestOf(slot->Items(), deepest);
    return deepest;
}

}  // namespace atrium
