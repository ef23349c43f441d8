#pragma once
// The chart, grid, surface and legend protos of HV_GRAPH.wrl: whole charts or their large parts.
//
// Each list is the proto's EXTERNPROTO header in order, rows F(kind, Type, name, Accessor, initial):
// the fields first (each with its accessor Accessor + "Field" and its initial value as VRML text),
// then the declared eventIns and eventOuts. A field holding its initial value is not written.
#include "holvane/export.hpp"
#include "holvane/proto_node.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane::graph {

// A chart grid of xDimension by yDimension by zDimension divisions, lines of thickness in lineColor.
#define HOLVANE_QRX_CHART_GRID(F)                              \
    F(exposedField, SFNode, appearance, Appearance, "NULL")    \
    F(exposedField, SFColor, lineColor, LineColor, "0 0 0")    \
    F(field, SFInt32, xDimension, XDimension, "2")             \
    F(field, SFFloat, xSpacing, XSpacing, "1")                 \
    F(field, SFInt32, yDimension, YDimension, "2")             \
    F(field, SFFloat, ySpacing, YSpacing, "1")                 \
    F(field, SFInt32, zDimension, ZDimension, "2")             \
    F(field, SFFloat, zSpacing, ZSpacing, "1")                 \
    F(field, SFFloat, thickness, Thickness, "0.1")             \
    F(eventIn, SFInt32, set_xDimension, _, "")                 \
    F(eventIn, SFFloat, set_xSpacing, _, "")                   \
    F(eventIn, SFInt32, set_yDimension, _, "")                 \
    F(eventIn, SFFloat, set_ySpacing, _, "")                   \
    F(eventIn, SFInt32, set_zDimension, _, "")                 \
    F(eventIn, SFFloat, set_zSpacing, _, "")                   \
    F(eventIn, SFFloat, set_thickness, _, "")

// A legend: one key per appearance (keyStyle "BOX" or "SPHERE") beside its description.
#define HOLVANE_QRX_LEGEND(F)                                  \
    F(field, MFNode, appearances, Appearances, "[]")           \
    F(field, MFString, descriptions, Descriptions, "[]")       \
    F(field, SFString, keyStyle, KeyStyle, "\"BOX\"")          \
    F(field, SFFloat, textHeight, TextHeight, "1")             \
    F(field, SFFloat, textGap, TextGap, "0.5")                 \
    F(field, SFColor, textColor, TextColor, "1 1 1")           \
    F(eventIn, MFNode, set_appearances, _, "")                 \
    F(eventIn, MFString, set_descriptions, _, "")

// A wire frame over xDimension by zDimension heights; xMask and zMask pick the lines drawn.
#define HOLVANE_QRX_ELEVATION_WIREFRAME(F)                     \
    F(exposedField, SFColor, color, Color, "1 1 1")            \
    F(field, SFInt32, xDimension, XDimension, "2")             \
    F(field, SFFloat, xSpacing, XSpacing, "1")                 \
    F(field, SFInt32, zDimension, ZDimension, "2")             \
    F(field, SFFloat, zSpacing, ZSpacing, "1")                 \
    F(field, MFFloat, height, Height, "[]")                    \
    F(field, MFInt32, xMask, XMask, "[]")                      \
    F(field, MFInt32, zMask, ZMask, "[]")                      \
    F(eventIn, SFInt32, set_xDimension, _, "")                 \
    F(eventIn, SFFloat, set_xSpacing, _, "")                   \
    F(eventIn, SFInt32, set_zDimension, _, "")                 \
    F(eventIn, SFFloat, set_zSpacing, _, "")                   \
    F(eventIn, MFFloat, set_height, _, "")                     \
    F(eventIn, MFInt32, set_xMask, _, "")                      \
    F(eventIn, MFInt32, set_zMask, _, "")

// A surface over xDimension by zDimension heights, graded towards gradeColor while useGrade is TRUE.
#define HOLVANE_QRX_SURFACE(F)                                 \
    F(exposedField, SFNode, appearance, Appearance, "NULL")    \
    F(field, SFColor, gradeColor, GradeColor, "0 0 1")         \
    F(field, SFBool, useGrade, UseGrade, "FALSE")              \
    F(field, SFInt32, xDimension, XDimension, "2")             \
    F(field, SFFloat, xSpacing, XSpacing, "1")                 \
    F(field, SFInt32, zDimension, ZDimension, "2")             \
    F(field, SFFloat, zSpacing, ZSpacing, "1")                 \
    F(field, MFFloat, height, Height, "[]")                    \
    F(field, SFFloat, creaseAngle, CreaseAngle, "3.14159")     \
    F(eventIn, SFInt32, set_xDimension, _, "")                 \
    F(eventIn, SFFloat, set_xSpacing, _, "")                   \
    F(eventIn, SFInt32, set_zDimension, _, "")                 \
    F(eventIn, SFFloat, set_zSpacing, _, "")                   \
    F(eventIn, MFFloat, set_height, _, "")

// A whole pie chart: data in blocks of dataBlockSize, drawn as slices with captions.
#define HOLVANE_QRX_PIE_CHART(F)                               \
    F(field, MFNode, appearances, Appearances, "[]")           \
    F(field, MFNode, slices, Slices, "[]")                     \
    F(field, SFFloat, radius, Radius, "1")                     \
    F(field, SFFloat, innerRadius, InnerRadius, "0.5")         \
    F(field, SFFloat, height, Height, "1")                     \
    F(field, MFFloat, data, Data, "[]")                        \
    F(field, SFInt32, dataBlockSize, DataBlockSize, "1")       \
    F(field, MFString, captions, Captions, "[]")               \
    F(field, SFColor, captionColor, CaptionColor, "1 1 1")     \
    F(field, SFFloat, captionHeight, CaptionHeight, "0.5")     \
    F(field, SFBool, billboarded, Billboarded, "TRUE")         \
    F(eventIn, MFFloat, set_data, _, "")                       \
    F(eventIn, MFString, set_captions, _, "")                  \
    F(eventIn, MFNode, set_appearances, _, "")                 \
    F(eventOut, MFNode, broadcastAppearances, _, "")           \
    F(eventOut, MFString, captions_changed, _, "")

// A whole block chart: data in rowCount rows between dataMin and dataMax, with grid and captions.
#define HOLVANE_QRX_BLOCK_CHART(F)                             \
    F(field, MFNode, appearances, Appearances, "[]")           \
    F(field, MFNode, series, Series, "[]")                     \
    F(field, SFNode, chartGrid, ChartGrid, "NULL")             \
    F(field, SFFloat, chartWidth, ChartWidth, "5")             \
    F(field, SFFloat, chartHeight, ChartHeight, "5")           \
    F(field, SFFloat, chartDepth, ChartDepth, "5")             \
    F(field, MFFloat, data, Data, "[]")                        \
    F(field, SFFloat, dataMin, DataMin, "0")                   \
    F(field, SFFloat, dataMax, DataMax, "10")                  \
    F(field, SFInt32, rowCount, RowCount, "2")                 \
    F(field, MFString, rowCaptions, RowCaptions, "[]")         \
    F(field, MFString, seriesCaptions, SeriesCaptions, "[]")   \
    F(field, SFColor, captionColor, CaptionColor, "1 1 1")     \
    F(eventIn, MFFloat, set_data, _, "")                       \
    F(eventIn, MFString, set_rowCaptions, _, "")               \
    F(eventIn, MFString, set_seriesCaptions, _, "")            \
    F(eventIn, MFNode, set_appearances, _, "")                 \
    F(eventOut, MFNode, broadcastAppearances, _, "")           \
    F(eventOut, MFString, seriesCaptions_changed, _, "")       \
    F(eventOut, MFString, rowCaptions_changed, _, "")

// A whole surface chart: seriesCount by rowCount data between dataMin and dataMax, with grid and captions.
#define HOLVANE_QRX_SURFACE_CHART(F)                           \
    F(exposedField, SFNode, appearance, Appearance, "NULL")    \
    F(exposedField, SFColor, wireColor, WireColor, "0 0 0")    \
    F(field, SFColor, gradeColor, GradeColor, "0 0 1")         \
    F(field, SFBool, useGrade, UseGrade, "FALSE")              \
    F(field, SFNode, chartGrid, ChartGrid, "NULL")             \
    F(field, SFFloat, chartWidth, ChartWidth, "5")             \
    F(field, SFFloat, chartHeight, ChartHeight, "5")           \
    F(field, SFFloat, chartDepth, ChartDepth, "5")             \
    F(field, MFFloat, data, Data, "[]")                        \
    F(field, SFInt32, seriesCount, SeriesCount, "2")           \
    F(field, SFInt32, rowCount, RowCount, "2")                 \
    F(field, SFFloat, dataMin, DataMin, "0")                   \
    F(field, SFFloat, dataMax, DataMax, "10")                  \
    F(field, MFString, rowCaptions, RowCaptions, "[]")         \
    F(field, MFString, seriesCaptions, SeriesCaptions, "[]")   \
    F(field, SFColor, captionColor, CaptionColor, "1 1 1")     \
    F(eventIn, MFFloat, set_data, _, "")                       \
    F(eventIn, MFString, set_rowCaptions, _, "")               \
    F(eventIn, MFString, set_seriesCaptions, _, "")            \
    F(eventOut, MFString, seriesCaptions_changed, _, "")       \
    F(eventOut, MFString, rowCaptions_changed, _, "")

#define HOLVANE_GRAPH_CHART_PROTOS(N)                        \
    N(qrx_ChartGrid, HOLVANE_QRX_CHART_GRID)                 \
    N(qrx_Legend, HOLVANE_QRX_LEGEND)                        \
    N(qrx_ElevationWireframe, HOLVANE_QRX_ELEVATION_WIREFRAME) \
    N(qrx_Surface, HOLVANE_QRX_SURFACE)                      \
    N(qrx_PieChart, HOLVANE_QRX_PIE_CHART)                   \
    N(qrx_BlockChart, HOLVANE_QRX_BLOCK_CHART)               \
    N(qrx_SurfaceChart, HOLVANE_QRX_SURFACE_CHART)

HOLVANE_GRAPH_CHART_PROTOS(HOLVANE_PROTO_NODE)

}  // namespace holvane::graph
ATRIUM_EXPORT_END
