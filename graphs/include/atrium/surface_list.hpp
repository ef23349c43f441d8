#pragma once
// The surfaces of a graph that draws height surfaces over its grid: the surface graph and the
// combination graphs hold one each.
#include <cstdint>
#include <memory>
#include <utility>

#include "atrium/grid_info.hpp"
#include "atrium/series_collection.hpp"
#include "atrium/surface_info.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// An ordered list of surfaces whose new members get one lattice point per grid cell of the
// moment they are created; the list never resizes them afterwards.
class SurfaceList {
public:
    explicit SurfaceList(std::shared_ptr<const GridInfo> grid) : grid_(std::move(grid)) {}

    // Surface number index. Fails outside 1..count: "Invalid surface index, surface count = " + count.
    std::shared_ptr<SurfaceInfo> GetSurface(std::int16_t index) const;
    // Number of surfaces; new ones get the grid's X and Z cell counts, the last ones go first.
    std::int16_t SurfaceCount() const { return surfaces_.Count(); }
    void SetSurfaceCount(std::int16_t value);
    // The surface list itself.
    const SeriesCollection<SurfaceInfo>& Surfaces() const { return surfaces_; }

private:
    std::shared_ptr<const GridInfo> grid_;
    SeriesCollection<SurfaceInfo> surfaces_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
