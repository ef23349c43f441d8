#pragma once
// The series steps that the area, ribbon and column graphs (and the combination graphs built
// from them) share: one series per Z cell, and the layout of a list of series in their cells.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "atrium/grid_info.hpp"
#include "atrium/legend_info.hpp"
#include "atrium/series_collection.hpp"
#include "float_text.hpp"
#include "holvane/error.hpp"
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

// KeepOnePerCell with new series of T whose Depth is half the grid's current Z cell. When new
// series are needed and half a cell rounds to 0, raises holvane::kObjectError "The graph's depth
// (D) is too small to hold a series in each of N cells on the Z axis", changing nothing.
template <class T>
void KeepOnePerCell(SeriesCollection<T>& series, const GridInfo& grid, std::int16_t n) {
    const float cellDepth = grid.Depth() / static_cast<float>(grid.ZAxisCellCount());
    if (n > series.Count() && !(cellDepth / 2 > 0.0f))
        holvane::Fail("The graph's depth (" + FloatText(grid.Depth()) + ") is too small to hold a series in each of " +
                      std::to_string(grid.ZAxisCellCount()) + " cells on the Z axis");
    KeepOnePerCell<T>(series, n, [cellDepth] {
        auto s = std::make_shared<T>();
        s->SetDepth(cellDepth / 2);
        return s;
    });
}

// Series index (1..count) of the collection; outside it raises holvane::kObjectError
// "Invalid series index, series count = " followed by the count.
template <class T>
std::shared_ptr<T> GetSeriesAt(const SeriesCollection<T>& series, std::int16_t index) {
    if (index < 1 || index > series.Count())
        holvane::Fail("Invalid series index, series count = " + std::to_string(series.Count()));
    return series.Get1Series(index);
}

// The translation z that centres a series of the given depth in Z cell i (1-based):
// (i - 1) x cellDepth + cellDepth / 2 - depth / 2, with i - 1 a single float and the rest
// computed in double and rounded once.
float SeriesCellZ(std::int16_t i, float cellDepth, float depth);

// How one LayOutSeriesInCells call names what it routes: series i's toggle is named
// togglePrefix + i; with a checkBoxPrefix, the legend box just added for it is renamed
// checkBoxPrefix + i (otherwise the box keeps its own name, "CHECK_BOX_" + its number).
struct SeriesNames {
    std::string togglePrefix = "SERIES_TOGGLE_";
    std::string checkBoxPrefix;
};

// The x of a series' root at the middle of the first X cell.
struct CellCentre {
    template <class T>
    float operator()(const T&, float cellWidth) const {
        return cellWidth / 2;
    }
};

// Lays out series in their Z cells for export: series i gets one point per X cell spaced a cell
// apart, its root at x = xOf(series, cellWidth) and z = SeriesCellZ(i, …), joins the group,
// copies its heights into its pop-ups, and when shown in the legend is entered there (its toggle
// switched by the box just added, both named as names says; a toggle left unrouted loses any
// name an earlier export gave it). T offers SetCount, SetSpacing,
// Depth, RootNode, Height, PopupProps, ShowInLegend, Appearance, LegendText and ContentToggle.
// This is the whole series step of the area and ribbon graphs and one slot's step of the
// column graph.
template <class T, class XOf = CellCentre>
void LayOutSeriesInCells(const GridInfo& grid, LegendInfo& legend, const std::vector<std::shared_ptr<T>>& series,
                         holvane::Group& group, holvane::RouteCollection& routes, const SeriesNames& names = {},
                         XOf xOf = {}) {
    const std::int16_t xCells = grid.XAxisCellCount();
    const float cellWidth = grid.Width() / static_cast<float>(xCells);
    const float cellDepth = grid.Depth() / static_cast<float>(grid.ZAxisCellCount());
    for (std::size_t k = 0; k < series.size(); ++k) {
        const T& s = *series[k];
        const std::string number = std::to_string(k + 1);
        series[k]->SetCount(xCells);
        series[k]->SetSpacing(cellWidth);
        auto root = std::static_pointer_cast<holvane::Transform>(s.RootNode());
        root->TranslationField()->SetX(xOf(s, cellWidth));
        root->TranslationField()->SetZ(SeriesCellZ(static_cast<std::int16_t>(k + 1), cellDepth, s.Depth()));
        group.ChildrenField()->Add(root);
        s.PopupProps()->Height()->CopyFrom(*s.Height());
        // Names are given afresh: a toggle that no box switches this time carries none.
        if (const auto& toggle = s.ContentToggle()) toggle->SetDEFName({});
        if (!s.ShowInLegend()) continue;
        EnterInLegend(legend, s.Appearance(), s.LegendText(), s.ContentToggle(), names.togglePrefix + number, routes);
        if (legend.UseSeriesToggle() && !names.checkBoxPrefix.empty())
            legend.Get1CheckBox(legend.SeriesToggles()->Count())->SetDEFName(names.checkBoxPrefix + number);
    }
}

}  // namespace atrium
