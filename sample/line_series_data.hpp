#pragma once
// Sample values of a line series (area, ribbon, column and combination series).
#include "atrium/series_popup_info.hpp"
#include "holvane/fields.hpp"
#include "sample_random.hpp"

namespace atrium_test {

// A random walk for one series: starting at gridHeight x startFactor, each X cell adds
// stepScale x r - stepScale / 2 and is kept between 0.5 and gridHeight - 0.5; the value is
// appended to heights and, scaled to the Y axis range, as "#0.00" text to the pop-ups.
void FillLineSeries(holvane::MFFloat& heights, atrium::SeriesPopupInfo& popups, SampleRandom& random, int xCells,
                    float gridHeight, float startFactor, float stepScale, float yRange);

}  // namespace atrium_test
