#include "atrium/ribbon_series_info.hpp"

namespace atrium {

void RibbonSeriesInfo::SetThickness(float value) {
    if (!(value > 0)) holvane::Fail("Invalid series thickness, must be greater than 0");
    ForBoth([value](auto& proto) { proto.ThicknessField()->SetValue(value); });
}

void RibbonSeriesInfo::SetStyle(RibbonStyle value) {
    if (value == RibbonStyle::OUTLINED_RIBBON || value == RibbonStyle::ROUNDED_RIBBON)
        ShowRounded(value == RibbonStyle::ROUNDED_RIBBON);
}

}  // namespace atrium
