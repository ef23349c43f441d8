#pragma once
// The series steps that the area and ribbon graphs (and the column graph per slot) share.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "atrium/grid_info.hpp"
#include "atrium/legend_info.hpp"
#include "atrium/series_collection.hpp"
#include "holvane/routes.hpp"
#include "holvane/standard_nodes.hpp"

namespace atrium {

// Keeps n series in the collection: appends make() results while there are fewer, removes the
// series at position n + 1 while there are more. Series that stay keep their settings. All new
// series are made before any is added, so a failing make() leaves the collection unchanged.
template <class T>
void KeepOnePerCell(SeriesCollection<T>& series, std::int16_t n, const std::function<std::shared_ptr<T>()>& make) {
    std::vector<std::shared_ptr<T>> added;
    for (auto count = static_cast<int>(series.Count()); count < n; ++count) added.push_back(make());
    for (auto& s : added) series.AddSeries(std::move(s));
    while (series.Count() > n) series.RemoveSeries(static_cast<std::int16_t>(n + 1));
}

// The translation z that centres a series of the given depth in Z cell i (1-based):
// (i - 1) x cellDepth + cellDepth / 2 - depth / 2, with i - 1 a single float and the rest
// computed in double and rounded once.
float SeriesCellZ(std::int16_t i, float cellDepth, float depth);

// Lays out series in their Z cells for export: series i gets one point per X cell spaced a cell
// apart, its root at x = cellWidth / 2 and z = SeriesCellZ(i, …), joins the group, copies its
// heights into its pop-ups, and when shown in the legend is entered there (its toggle named
// togglePrefix + i and switched by the box just added). T offers SetCount, SetSpacing, Depth,
// RootNode, Height, PopupProps, ShowInLegend, Appearance, LegendText and ContentToggle.
template <class T>
void LayOutSeriesInCells(const GridInfo& grid, LegendInfo& legend, const std::vector<std::shared_ptr<T>>& series,
                         holvane::Group& group, holvane::RouteCollection& routes,
                         const std::string& togglePrefix = "SERIES_TOGGLE_") {
    const std::int16_t xCells = grid.XAxisCellCount();
    const float cellWidth = grid.Width() / static_cast<float>(xCells);
    const float cellDepth = grid.Depth() / static_cast<float>(grid.ZAxisCellCount());
    for (std::size_t k = 0; k < series.size(); ++k) {
        const T& s = *series[k];
        const auto i = static_cast<std::int16_t>(k + 1);
        series[k]->SetCount(xCells);
        series[k]->SetSpacing(cellWidth);
        auto root = std::static_pointer_cast<holvane::Transform>(s.RootNode());
        root->TranslationField()->SetX(cellWidth / 2);
        root->TranslationField()->SetZ(SeriesCellZ(i, cellDepth, s.Depth()));
        group.ChildrenField()->Add(root);
        s.PopupProps()->Height()->CopyFrom(*s.Height());
        if (s.ShowInLegend())
            EnterInLegend(legend, s.Appearance(), s.LegendText(), s.ContentToggle(), togglePrefix + std::to_string(i),
                          routes);
    }
}

}  // namespace atrium
