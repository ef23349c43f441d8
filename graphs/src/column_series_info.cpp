#include "atrium/column_series_info.hpp"

#include "atrium/proto_path.hpp"

namespace atrium {

using holvane::graph::qrx_OutlinedColumnSeries;
using holvane::graph::qrx_RoundedColumnSeries;

ColumnSeriesInfo::ColumnSeriesInfo()
    : StyledSeriesInfo(FormOf(MakeGraphNode<qrx_OutlinedColumnSeries>(), &qrx_OutlinedColumnSeries::WidthField),
                       FormOf(MakeGraphNode<qrx_RoundedColumnSeries>(), &qrx_RoundedColumnSeries::WidthField)) {
    OutlinedNode()->AppearanceField()->Add(Appearance());
    RoundedNode()->AppearanceField()->Add(Appearance());
}

}  // namespace atrium
