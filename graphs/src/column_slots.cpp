#include "column_slots.hpp"

#include <string>

#include "series_layout.hpp"

namespace atrium {

std::shared_ptr<ColumnSeriesInfo> ColumnSlots::GetSeries(std::int16_t index, std::int16_t cellIndex) const {
    if (cellIndex < 1 || cellIndex > ColumnsPerCell())
        holvane::Fail("Invalid cell index, there are currently " + std::to_string(ColumnsPerCell()) +
                      " column(s) in each cell");
    return GetSeriesAt(*slots_.Get1Series(cellIndex), index);
}

void ColumnSlots::SetColumnsPerCell(std::int16_t value) {
    if (value < 1) holvane::Fail("The number of columns per cell must be greater than or equal to 1");
    atrium::KeepOnePerCell<SeriesCollection<ColumnSeriesInfo>>(slots_, value, [this] {
        auto slot = std::make_shared<SeriesCollection<ColumnSeriesInfo>>();
        atrium::KeepOnePerCell(*slot, *grid_, grid_->ZAxisCellCount());
        return slot;
    });
}

void ColumnSlots::KeepOnePerCell(std::int16_t n) {
    for (const auto& slot : slots_.Items()) atrium::KeepOnePerCell(*slot, *grid_, n);
}

void ColumnSlots::LayOut(LegendInfo& legend, holvane::Group& group, holvane::RouteCollection& routes) const {
    const float cellWidth = grid_->Width() / static_cast<float>(grid_->XAxisCellCount());
    const bool evenly = spacing_ == ColumnCellSpacing::EVENLY_SPACED;
    const auto parts = static_cast<float>(ColumnsPerCell() + 1);
    float total = 0;
    for (const auto& slot : slots_.Items())
        if (slot->Count() > 0) total += slot->Items().front()->Width();
    float offset = (cellWidth - total) / 2;
    for (std::int16_t j = 1; j <= ColumnsPerCell(); ++j) {
        const auto& slot = *slots_.Get1Series(j);
        const std::string tag = std::to_string(j) + "_";
        const float evenX = static_cast<float>(j) * cellWidth / parts;
        LayOutSeriesInCells(*grid_, legend, slot.Items(), group, routes,
                            {"SERIES_TOGGLE_" + tag, "CHECK_BOX_" + tag},
                            [&](const ColumnSeriesInfo& s, float) { return evenly ? evenX : offset + s.Width() / 2; });
        if (slot.Count() > 0) offset += slot.Items().back()->Width();
    }
}

}  // namespace atrium
