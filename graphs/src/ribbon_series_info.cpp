#include "atrium/ribbon_series_info.hpp"

#include "atrium/proto_path.hpp"

namespace atrium {

using holvane::graph::qrx_OutlinedRibbonSeries;
using holvane::graph::qrx_RoundedRibbonSeries;

RibbonSeriesInfo::RibbonSeriesInfo()
    : StyledSeriesInfo(FormOf(MakeGraphNode<qrx_OutlinedRibbonSeries>(), &qrx_OutlinedRibbonSeries::ThicknessField),
                       FormOf(MakeGraphNode<qrx_RoundedRibbonSeries>(), &qrx_RoundedRibbonSeries::ThicknessField)) {
    OutlinedNode()->AppearanceField()->SetValue(Appearance());
    RoundedNode()->AppearanceField()->SetValue(Appearance());
}

}  // namespace atrium
