#pragma once
// The look of a sample surface: legend text, colour, transparency and wire colour.
#include <cstdint>

#include "atrium/surface_body.hpp"

namespace atrium_test {

struct SurfaceLook {
    const char* legendText;
    std::int32_t colour;
    float transparency;
    std::int32_t wireColour;
};

inline void ApplySurfaceLook(atrium::SurfaceBody& surface, const SurfaceLook& look) {
    surface.SetLegendText(look.legendText);
    surface.Material()->DiffuseColorField()->SetRGBValue(look.colour);
    surface.Material()->TransparencyField()->SetValue(look.transparency);
    surface.SetWireColor(look.wireColour);
}

}  // namespace atrium_test
