#include "atrium/charts/chart_options.hpp"

namespace atrium::charts {

// Okabe and Ito's palette, told apart with every common form of colour blindness; yellow last,
// as it reads poorly on the light walls.
const std::vector<Rgb>& Palette() {
    static const std::vector<Rgb> palette{0x0072B2, 0xE69F00, 0x009E73, 0xD55E00,
                                          0x56B4E9, 0xCC79A7, 0x000000, 0xF0E442};
    return palette;
}

}  // namespace atrium::charts
