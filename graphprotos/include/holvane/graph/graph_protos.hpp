#pragma once
// All 22 graph protos of HV_GRAPH.wrl, and the list that walks them.
#include <string_view>

#include "holvane/export.hpp"
#include "holvane/graph/chart_protos.hpp"
#include "holvane/graph/collection_protos.hpp"
#include "holvane/graph/series_protos.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane::graph {

// Every graph proto as N(Class, LIST), in the order the factory matches names.
#define HOLVANE_GRAPH_PROTOS(N)                                          \
    N(qrx_BlockChart, HOLVANE_QRX_BLOCK_CHART)                           \
    N(qrx_ChartGrid, HOLVANE_QRX_CHART_GRID)                             \
    N(qrx_ElevationWireframe, HOLVANE_QRX_ELEVATION_WIREFRAME)           \
    N(qrx_Legend, HOLVANE_QRX_LEGEND)                                    \
    N(qrx_MultiFloatInterval, HOLVANE_QRX_MULTI_FLOAT_INTERVAL)          \
    N(qrx_MultiStringInterval, HOLVANE_QRX_MULTI_STRING_INTERVAL)        \
    N(qrx_MultiVec3fInterval, HOLVANE_QRX_MULTI_VEC3F_INTERVAL)          \
    N(qrx_OutlinedAreaSeries, HOLVANE_QRX_OUTLINED_AREA_SERIES)          \
    N(qrx_OutlinedColumnSeries, HOLVANE_QRX_OUTLINED_COLUMN_SERIES)      \
    N(qrx_OutlinedPieSlice, HOLVANE_QRX_OUTLINED_PIE_SLICE)              \
    N(qrx_OutlinedRibbonSeries, HOLVANE_QRX_OUTLINED_RIBBON_SERIES)      \
    N(qrx_PieChart, HOLVANE_QRX_PIE_CHART)                               \
    N(qrx_PopupStrip, HOLVANE_QRX_POPUP_STRIP)                           \
    N(qrx_PopupSurface, HOLVANE_QRX_POPUP_SURFACE)                       \
    N(qrx_RoundedColumnSeries, HOLVANE_QRX_ROUNDED_COLUMN_SERIES)        \
    N(qrx_RoundedPieSlice, HOLVANE_QRX_ROUNDED_PIE_SLICE)                \
    N(qrx_RoundedRibbonSeries, HOLVANE_QRX_ROUNDED_RIBBON_SERIES)        \
    N(qrx_RoundedRingSlice, HOLVANE_QRX_ROUNDED_RING_SLICE)              \
    N(qrx_SphereCollection, HOLVANE_QRX_SPHERE_COLLECTION)               \
    N(qrx_ConeCollection, HOLVANE_QRX_CONE_COLLECTION)                   \
    N(qrx_Surface, HOLVANE_QRX_SURFACE)                                  \
    N(qrx_SurfaceChart, HOLVANE_QRX_SURFACE_CHART)

// The proto file of the graph protos; creators set SourceFile to the proto path followed by it.
inline constexpr std::string_view kGraphProtoFile = "HV_GRAPH.wrl";

}  // namespace holvane::graph
ATRIUM_EXPORT_END
