#include "atrium/column_series_info.hpp"

namespace atrium {

void ColumnSeriesInfo::SetWidth(float value) {
    if (!(value > 0)) holvane::Fail("Invalid series width, must be greater than 0");
    ForBoth([value](auto& proto) { proto.WidthField()->SetValue(value); });
}

void ColumnSeriesInfo::SetStyle(ColumnStyle value) {
    if (value == ColumnStyle::OUTLINED_COLUMN || value == ColumnStyle::ROUNDED_COLUMN)
        ShowRounded(value == ColumnStyle::ROUNDED_COLUMN);
}

}  // namespace atrium
