#include "series_layout.hpp"

namespace atrium {

float SeriesCellZ(std::int16_t i, float cellDepth, float depth) {
    double cellsBefore = static_cast<float>(i - 1);
    return static_cast<float>(cellsBefore * cellDepth + cellDepth / 2.0 - depth / 2.0);
}

}  // namespace atrium
