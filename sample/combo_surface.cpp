#include "combo_surface.hpp"

#include <algorithm>

#include "atrium/number_format.hpp"
#include "surface_look.hpp"

namespace atrium_test {

void DressComboSurface(atrium::SurfaceInfo& surface, SampleRandom& random, std::int16_t xCells, std::int16_t zCells,
                       float gridHeight) {
    ApplySurfaceLook(surface, {"Primary surface", 16777210, 0.5f, 0});
    const float restarts[] = {0.6f, 0.5f, 0.2f, 0.1f};
    float value = 0;
    for (std::int16_t z = 1; z <= zCells; ++z) {
        if (z <= 4) value = restarts[z - 1] * gridHeight;
        for (std::int16_t x = 1; x <= xCells; ++x) {
            value = std::clamp(value + random.Next() - 0.5f, 0.2f, gridHeight - 0.5f);
            surface.Set1HeightPoint(x, z, value, atrium::FormatNumber(value * 15 / gridHeight, "#0.00"));
        }
    }
}

}  // namespace atrium_test
