#pragma once
// The one surface of each sample combination graph.
#include <cstdint>

#include "atrium/surface_info.hpp"
#include "sample_random.hpp"

namespace atrium_test {

// Gives the surface its look ("Primary surface", 16777210, half transparent, black wire) and
// a random walk over its lattice, row by row: rows 1 to 4 restart at 0.6, 0.5, 0.2 and 0.1 x
// gridHeight, later rows go on; steps r - 0.5, kept between 0.2 and gridHeight - 0.5; each
// point's pop-up shows its value on the 0..15 Y axis.
void DressComboSurface(atrium::SurfaceInfo& surface, SampleRandom& random, std::int16_t xCells, std::int16_t zCells,
                       float gridHeight);

}  // namespace atrium_test
