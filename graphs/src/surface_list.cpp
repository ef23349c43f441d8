#include "atrium/surface_list.hpp"

#include <string>

#include "series_layout.hpp"

namespace atrium {

std::shared_ptr<SurfaceInfo> SurfaceList::GetSurface(std::int16_t index) const {
    if (index < 1 || index > surfaces_.Count())
        holvane::Fail("Invalid surface index, surface count = " + std::to_string(surfaces_.Count()));
    return surfaces_.Get1Series(index);
}

void SurfaceList::SetSurfaceCount(std::int16_t value) {
    KeepOnePerCell<SurfaceInfo>(surfaces_, value, [this] {
        auto surface = std::make_shared<SurfaceInfo>();
        surface->SetXCount(grid_->XAxisCellCount());
        surface->SetZCount(grid_->ZAxisCellCount());
        return surface;
    });
}

}  // namespace atrium
