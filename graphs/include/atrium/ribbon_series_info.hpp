#pragma once
// One series of a ribbon graph: a band through one height per X cell, outlined or rounded.
#include "atrium/styled_series.hpp"

namespace atrium {

// The form of a ribbon series.
enum class RibbonStyle : std::int32_t { OUTLINED_RIBBON = 0, ROUNDED_RIBBON = 1 };

// A ribbon series: qrx_OutlinedRibbonSeries or qrx_RoundedRibbonSeries, both holding the
// series' appearance; the outline colour is the proto's own.
class RibbonSeriesInfo final
    : public StyledSeries<holvane::graph::qrx_OutlinedRibbonSeries, holvane::graph::qrx_RoundedRibbonSeries> {
public:
    // The band's thickness (thickness of both protos); 0.5 at first.
    // Fails unless > 0: "Invalid series thickness, must be greater than 0".
    float Thickness() const { return OutlinedNode()->ThicknessField()->Value(); }
    void SetThickness(float value) {
        SetOnBoth(value, "Invalid series thickness, must be greater than 0",
                  [](auto& proto) { return proto.ThicknessField(); });
    }
    // The shown form; OUTLINED_RIBBON at first. Other values are ignored; a change carries the
    // heights over to the newly shown proto.
    RibbonStyle Style() const { return IsRounded() ? RibbonStyle::ROUNDED_RIBBON : RibbonStyle::OUTLINED_RIBBON; }
    void SetStyle(RibbonStyle value) { SetForm(static_cast<std::int32_t>(value)); }
};

}  // namespace atrium
