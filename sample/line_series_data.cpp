#include "line_series_data.hpp"

#include <algorithm>

#include "atrium/number_format.hpp"

namespace atrium_test {

void FillLineSeries(holvane::MFFloat& heights, atrium::SeriesPopupInfo& popups, SampleRandom& random, int xCells,
                    float gridHeight, float startFactor, float stepScale, float yRange) {
    float value = gridHeight * startFactor;
    for (int x = 1; x <= xCells; ++x) {
        value += stepScale * random.Next() - stepScale / 2;
        value = std::clamp(value, 0.5f, gridHeight - 0.5f);
        heights.Add(value);
        popups.PopupText()->Add(atrium::FormatNumber(value * yRange / gridHeight, "#0.00"));
    }
}

}  // namespace atrium_test
