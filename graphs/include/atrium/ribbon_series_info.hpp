#pragma once
// One series of a ribbon graph: a band through one height per X cell, outlined or rounded.
#include <cstdint>
#include <memory>

#include "atrium/styled_series_info.hpp"
#include "holvane/export.hpp"
#include "holvane/graph/series_protos.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The form of a ribbon series.
enum class RibbonStyle : std::int32_t { OUTLINED_RIBBON = 0, ROUNDED_RIBBON = 1 };

// A ribbon series: qrx_OutlinedRibbonSeries or qrx_RoundedRibbonSeries, both holding the
// series' appearance; the outline colour is the proto's own.
class RibbonSeriesInfo final : public StyledSeriesInfo {
public:
    RibbonSeriesInfo();

    // The band's thickness (thickness of both protos); 0.5 at first.
    // Fails unless > 0: "Invalid series thickness, must be greater than 0".
    float Thickness() const { return Size(); }
    void SetThickness(float value) { SetSize(value, "Invalid series thickness, must be greater than 0"); }
    // The shown form; OUTLINED_RIBBON at first. Other values are ignored; a change carries the
    // heights over to the newly shown proto.
    RibbonStyle Style() const { return IsRounded() ? RibbonStyle::ROUNDED_RIBBON : RibbonStyle::OUTLINED_RIBBON; }
    void SetStyle(RibbonStyle value) { SetForm(static_cast<std::int32_t>(value)); }

    // The two protos themselves.
    std::shared_ptr<holvane::graph::qrx_OutlinedRibbonSeries> OutlinedNode() const {
        return std::static_pointer_cast<holvane::graph::qrx_OutlinedRibbonSeries>(Outlined().proto);
    }
    std::shared_ptr<holvane::graph::qrx_RoundedRibbonSeries> RoundedNode() const {
        return std::static_pointer_cast<holvane::graph::qrx_RoundedRibbonSeries>(Rounded().proto);
    }
};

}  // namespace atrium
ATRIUM_EXPORT_END
