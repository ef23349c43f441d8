#pragma once
// Sample values of a line series (area, ribbon, column and combination series).
#include <cstdint>

#include "atrium/series_popup_info.hpp"
#include "grid_settings.hpp"
#include "holvane/fields.hpp"
#include "sample_random.hpp"

namespace atrium_test {

// A random walk for one series: starting at gridHeight x startFactor, each X cell adds
// stepScale x r - stepScale / 2 and is kept between 0.5 and gridHeight - 0.5; the value is
// appended to heights and, scaled to the Y axis range, as "#0.00" text to the pop-ups.
void FillLineSeries(holvane::MFFloat& heights, atrium::SeriesPopupInfo& popups, SampleRandom& random, int xCells,
                    float gridHeight, float startFactor, float stepScale, float yRange);

// How one sample line series looks: legend text, colour, transparency (0: opaque), the start
// factor of its values and where its pop-ups stand.
struct LineSeriesLook {
    const char* legendText;
    std::int32_t colour;
    float transparency;
    float startFactor;
    atrium::VRMLPopupAlignment alignment;
};

// Gives a ribbon or column series its look, the common pop-up settings and its sample values
// (FillLineSeries over the Y axis range 15).
template <class Series>
void DressLineSeries(Series& series, const LineSeriesLook& look, SampleRandom& random, int xCells, float gridHeight,
                     float stepScale) {
    series.SetLegendText(look.legendText);
    series.Material()->DiffuseColorField()->SetRGBValue(look.colour);
    if (look.transparency > 0) series.Material()->TransparencyField()->SetValue(look.transparency);
    ApplyPopupSettings(*series.PopupProps(), look.alignment);
    FillLineSeries(*series.Height(), *series.PopupProps(), random, xCells, gridHeight, look.startFactor, stepScale, 15);
}

}  // namespace atrium_test
