#pragma once
// One series of a column graph: a row of columns, one per X cell, outlined or rounded.
#include <cstdint>
#include <memory>

#include "atrium/styled_series_info.hpp"
#include "holvane/export.hpp"
#include "holvane/graph/series_protos.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The form of a column series.
enum class ColumnStyle : std::int32_t { OUTLINED_COLUMN = 0, ROUNDED_COLUMN = 1 };

// How the column slots of a column graph share an X cell.
enum class ColumnCellSpacing : std::int32_t {
    // Column centres divide the cell into ColumnsPerCell + 1 equal parts.
    EVENLY_SPACED = 0,
    // The columns touch, the group of slots centred in the cell.
    ADJACENT = 1,
};

// A column series: qrx_OutlinedColumnSeries or qrx_RoundedColumnSeries, both listing the
// series' appearance; the graph leaves floor and wireColor as they start.
class ColumnSeriesInfo final : public StyledSeriesInfo {
public:
    ColumnSeriesInfo();

    // The width of every column (width of both protos); 0.5 at first.
    // Fails unless > 0: "Invalid series width, must be greater than 0".
    float Width() const { return Size(); }
    void SetWidth(float value) { SetSize(value, "Invalid series width, must be greater than 0"); }
    // The shown form; OUTLINED_COLUMN at first. Other values are ignored; a change carries the
    // heights over to the newly shown proto.
    ColumnStyle Style() const { return IsRounded() ? ColumnStyle::ROUNDED_COLUMN : ColumnStyle::OUTLINED_COLUMN; }
    void SetStyle(ColumnStyle value) { SetForm(static_cast<std::int32_t>(value)); }

    // The two protos themselves.
    std::shared_ptr<holvane::graph::qrx_OutlinedColumnSeries> OutlinedNode() const {
        return std::static_pointer_cast<holvane::graph::qrx_OutlinedColumnSeries>(Outlined().proto);
    }
    std::shared_ptr<holvane::graph::qrx_RoundedColumnSeries> RoundedNode() const {
        return std::static_pointer_cast<holvane::graph::qrx_RoundedColumnSeries>(Rounded().proto);
    }
};

}  // namespace atrium
ATRIUM_EXPORT_END
