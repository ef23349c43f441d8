#pragma once
// The part the two combination graphs share: surfaces drawn over the cells of the grid after a
// kind's own series, in a group of their own.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "atrium/grid_graph.hpp"
#include "atrium/surface_list.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The largest Depth among the series and deepest (0 with neither): how far the combination
// graphs push their surfaces' pop-ups forward, in units of 0.6.
template <class T>
float DeepestOf(const std::vector<std::shared_ptr<T>>& series, float deepest = 0) {
    for (const auto& s : series) deepest = std::max(deepest, s->Depth());
    return deepest;
}

// A grid graph with series of some kind and any number of surfaces. The root ends with the
// series group, then the surface group. Surfaces keep the lattice they were created with when
// the grid's cell counts change. The legend lists the series first, then the surfaces, and
// the check-box numbers carry on from the series into the surfaces.
class SurfaceComboGraph : public GridGraph {
public:
    // Surface number index; see SurfaceList::GetSurface.
    std::shared_ptr<SurfaceInfo> GetSurface(std::int16_t index) const { return surfaces_.GetSurface(index); }
    // Number of surfaces; new ones get one point per grid cell of the moment.
    std::int16_t SurfaceCount() const { return surfaces_.SurfaceCount(); }
    void SetSurfaceCount(std::int16_t value) { surfaces_.SetSurfaceCount(value); }
    // The surface list itself.
    const SeriesCollection<SurfaceInfo>& Surfaces() const { return surfaces_.Surfaces(); }

protected:
    SurfaceComboGraph();
    // GridGraph::Assemble with the surface group last.
    void Assemble() { GridGraph::Assemble(surfaceGroup_); }

    // The kind's own series step (legend and series group already empty); returns the largest
    // Depth among its series, 0 with none, which pushes the surfaces' pop-ups in front of them.
    virtual float ExportComboSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) = 0;

private:
    // The series, then the surfaces with pop-up offset 0.6 x the deepest series.
    void ExportSeries(holvane::Group& seriesGroup, holvane::RouteCollection& routes) final;

    SurfaceList surfaces_;
    std::shared_ptr<holvane::Group> surfaceGroup_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
