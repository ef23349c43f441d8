#pragma once
// What every chart lets the user choose besides the data; every member has a default that reads well.
#include <optional>
#include <string>
#include <vector>

#include "atrium/rgb.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium::charts {

// Chart options; designated initialisers keep a call short: {.title = "Sales", .yTitle = "EUR"}.
struct ChartOptions {
    // Title above the chart; empty: none.
    std::string title;
    // Axis headers; empty: none. A pie has no axes.
    std::string xTitle;
    std::string yTitle;
    std::string zTitle;
    // Series, slice, surface or group colours in order; empty: the colour-blind-safe Palette().
    std::vector<Rgb> colours;
    // The value range of the Y axis; empty: a range of round ticks covering the data (from 0
    // for columns and areas when the data are not negative).
    std::optional<double> yMin;
    std::optional<double> yMax;
    // Number pattern of the value labels and pop-ups (see FormatNumber); empty: a precision
    // chosen from the tick step.
    std::string valueFormat;
    // Size of the chart box in scene units; 0: chosen from the data's shape.
    float width = 0;
    float height = 0;
    float depth = 0;
    // Background colour.
    Rgb background = Rgb(0xFFFFFF);
    // Value pop-ups while the pointer is over a series, surface or point.
    bool popups = true;
    // Legend (with check boxes where the kind has them).
    bool legend = true;
};

// The colour-blind-safe palette (eight colours), cycled when there are more items.
const std::vector<Rgb>& Palette();

}  // namespace atrium::charts
ATRIUM_EXPORT_END
