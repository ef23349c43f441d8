#pragma once
// One series of a column graph: a row of columns, one per X cell, outlined or rounded.
#include "atrium/styled_series.hpp"

namespace atrium {

// The form of a column series.
enum class ColumnStyle : std::int32_t { OUTLINED_COLUMN = 0, ROUNDED_COLUMN = 1 };

// A column series: qrx_OutlinedColumnSeries or qrx_RoundedColumnSeries, both listing the
// series' appearance; the graph leaves floor and wireColor as they start.
class ColumnSeriesInfo final
    : public StyledSeries<holvane::graph::qrx_OutlinedColumnSeries, holvane::graph::qrx_RoundedColumnSeries> {
public:
    // The width of every column (width of both protos); 0.5 at first.
    // Fails unless > 0: "Invalid series width, must be greater than 0".
    float Width() const { return OutlinedNode()->WidthField()->Value(); }
    void SetWidth(float value) {
        SetOnBoth(value, "Invalid series width, must be greater than 0",
                  [](auto& proto) { return proto.WidthField(); });
    }
    // The shown form; OUTLINED_COLUMN at first. Other values are ignored; a change carries the
    // heights over to the newly shown proto.
    ColumnStyle Style() const { return IsRounded() ? ColumnStyle::ROUNDED_COLUMN : ColumnStyle::OUTLINED_COLUMN; }
    void SetStyle(ColumnStyle value) { SetForm(static_cast<std::int32_t>(value)); }
};

}  // namespace atrium
