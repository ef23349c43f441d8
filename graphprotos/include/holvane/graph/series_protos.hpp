#pragma once
// The series and slice protos of HV_GRAPH.wrl: one data series or one pie slice each.
//
// Each list is the proto's EXTERNPROTO header in order, rows F(kind, Type, name, Accessor, initial):
// the fields first (each with its accessor Accessor + "Field" and its initial value as VRML text),
// then the declared eventIns and eventOuts. A field holding its initial value is not written.
#include "holvane/export.hpp"
#include "holvane/proto_node.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane::graph {

// One area-graph series: xDimension heights spaced xSpacing apart, depth deep, outlined in wireColor.
#define HOLVANE_QRX_OUTLINED_AREA_SERIES(F)                    \
    F(exposedField, SFNode, appearance, Appearance, "NULL")    \
    F(exposedField, SFColor, wireColor, WireColor, "0 0 0")    \
    F(field, SFInt32, xDimension, XDimension, "2")             \
    F(field, SFFloat, xSpacing, XSpacing, "1")                 \
    F(field, SFFloat, depth, Depth, "0.5")                     \
    F(field, MFFloat, height, Height, "[]")                    \
    F(eventIn, SFInt32, set_xDimension, _, "")                 \
    F(eventIn, SFFloat, set_xSpacing, _, "")                   \
    F(eventIn, SFFloat, set_depth, _, "")                      \
    F(eventIn, MFFloat, set_height, _, "")

// One column-graph series: xDimension columns width by depth from floor to height, one appearance
// per column, outlined in wireColor. Only plain fields, so it answers no eventOut.
#define HOLVANE_QRX_OUTLINED_COLUMN_SERIES(F)                  \
    F(field, MFNode, appearance, Appearance, "[]")             \
    F(field, SFColor, wireColor, WireColor, "0 0 0")           \
    F(field, SFInt32, xDimension, XDimension, "2")             \
    F(field, SFFloat, xSpacing, XSpacing, "1")                 \
    F(field, SFFloat, width, Width, "0.5")                     \
    F(field, SFFloat, depth, Depth, "0.5")                     \
    F(field, MFFloat, height, Height, "[]")                    \
    F(field, MFFloat, floor, Floor, "[]")                      \
    F(eventIn, MFNode, set_appearance, _, "")                  \
    F(eventIn, SFColor, set_wireColor, _, "")                  \
    F(eventIn, SFInt32, set_xDimension, _, "")                 \
    F(eventIn, SFFloat, set_xSpacing, _, "")                   \
    F(eventIn, SFFloat, set_width, _, "")                      \
    F(eventIn, SFFloat, set_depth, _, "")                      \
    F(eventIn, MFFloat, set_height, _, "")                     \
    F(eventIn, MFFloat, set_floor, _, "")

// One ribbon-graph series: a ribbon of thickness through xDimension heights, depth deep, outlined.
#define HOLVANE_QRX_OUTLINED_RIBBON_SERIES(F)                  \
    F(exposedField, SFNode, appearance, Appearance, "NULL")    \
    F(exposedField, SFColor, wireColor, WireColor, "0 0 0")    \
    F(field, SFInt32, xDimension, XDimension, "2")             \
    F(field, SFFloat, xSpacing, XSpacing, "1")                 \
    F(field, SFFloat, thickness, Thickness, "0.5")             \
    F(field, SFFloat, depth, Depth, "0.5")                     \
    F(field, MFFloat, height, Height, "[]")                    \
    F(eventIn, SFInt32, set_xDimension, _, "")                 \
    F(eventIn, SFFloat, set_xSpacing, _, "")                   \
    F(eventIn, SFFloat, set_thickness, _, "")                  \
    F(eventIn, SFFloat, set_depth, _, "")                      \
    F(eventIn, MFFloat, set_height, _, "")

// The rounded column series: bevelled columns, no outline. Only plain fields, so no eventOut.
#define HOLVANE_QRX_ROUNDED_COLUMN_SERIES(F)                   \
    F(field, MFNode, appearance, Appearance, "[]")             \
    F(field, SFInt32, xDimension, XDimension, "2")             \
    F(field, SFFloat, xSpacing, XSpacing, "1")                 \
    F(field, SFFloat, width, Width, "0.5")                     \
    F(field, SFFloat, depth, Depth, "0.5")                     \
    F(field, MFFloat, height, Height, "[]")                    \
    F(field, MFFloat, floor, Floor, "[]")                      \
    F(field, SFFloat, bevelRadius, BevelRadius, "0.1")         \
    F(field, SFFloat, creaseAngle, CreaseAngle, "0.5")         \
    F(eventIn, SFInt32, set_xDimension, _, "")                 \
    F(eventIn, SFFloat, set_xSpacing, _, "")                   \
    F(eventIn, SFFloat, set_width, _, "")                      \
    F(eventIn, SFFloat, set_depth, _, "")                      \
    F(eventIn, MFFloat, set_height, _, "")                     \
    F(eventIn, MFFloat, set_floor, _, "")                      \
    F(eventIn, MFNode, set_appearance, _, "")

// The rounded ribbon series: a bevelled ribbon, no outline; its creaseAngle starts at 0.1.
#define HOLVANE_QRX_ROUNDED_RIBBON_SERIES(F)                   \
    F(exposedField, SFNode, appearance, Appearance, "NULL")    \
    F(field, SFInt32, xDimension, XDimension, "2")             \
    F(field, SFFloat, xSpacing, XSpacing, "1")                 \
    F(field, SFFloat, thickness, Thickness, "0.5")             \
    F(field, SFFloat, depth, Depth, "0.5")                     \
    F(field, MFFloat, height, Height, "[]")                    \
    F(field, SFFloat, bevelRadius, BevelRadius, "0.1")         \
    F(field, SFFloat, creaseAngle, CreaseAngle, "0.1")         \
    F(eventIn, SFInt32, set_xDimension, _, "")                 \
    F(eventIn, SFFloat, set_xSpacing, _, "")                   \
    F(eventIn, SFFloat, set_thickness, _, "")                  \
    F(eventIn, SFFloat, set_depth, _, "")                      \
    F(eventIn, MFFloat, set_height, _, "")

// One pie slice of radius and height sweeping angle radians, outlined in wireColor.
#define HOLVANE_QRX_OUTLINED_PIE_SLICE(F)                      \
    F(exposedField, SFNode, appearance, Appearance, "NULL")    \
    F(exposedField, SFColor, wireColor, WireColor, "0 0 0")    \
    F(field, SFFloat, height, Height, "1")                     \
    F(field, SFFloat, radius, Radius, "1")                     \
    F(field, SFFloat, angle, Angle, "1.5708")                  \
    F(field, SFFloat, creaseAngle, CreaseAngle, "0.5")         \
    F(eventIn, SFFloat, set_height, _, "")                     \
    F(eventIn, SFFloat, set_radius, _, "")                     \
    F(eventIn, SFFloat, set_angle, _, "")

// The rounded pie slice: bevelled by bevelRadius, no outline.
#define HOLVANE_QRX_ROUNDED_PIE_SLICE(F)                       \
    F(exposedField, SFNode, appearance, Appearance, "NULL")    \
    F(field, SFFloat, height, Height, "1")                     \
    F(field, SFFloat, radius, Radius, "1")                     \
    F(field, SFFloat, angle, Angle, "1.5708")                  \
    F(field, SFFloat, bevelRadius, BevelRadius, "0.1")         \
    F(field, SFFloat, creaseAngle, CreaseAngle, "0.5")         \
    F(eventIn, SFFloat, set_angle, _, "")                      \
    F(eventIn, SFFloat, set_height, _, "")                     \
    F(eventIn, SFFloat, set_radius, _, "")

// A rounded slice of a ring between innerRadius and radius.
#define HOLVANE_QRX_ROUNDED_RING_SLICE(F)                      \
    F(exposedField, SFNode, appearance, Appearance, "NULL")    \
    F(field, SFFloat, height, Height, "1")                     \
    F(field, SFFloat, radius, Radius, "1")                     \
    F(field, SFFloat, innerRadius, InnerRadius, "0.8")         \
    F(field, SFFloat, angle, Angle, "1.5708")                  \
    F(field, SFFloat, bevelRadius, BevelRadius, "0.1")         \
    F(field, SFFloat, creaseAngle, CreaseAngle, "0.5")         \
    F(eventIn, SFFloat, set_angle, _, "")                      \
    F(eventIn, SFFloat, set_height, _, "")                     \
    F(eventIn, SFFloat, set_radius, _, "")                     \
    F(eventIn, SFFloat, set_innerRadius, _, "")

#define HOLVANE_GRAPH_SERIES_PROTOS(N)                                   \
    N(qrx_OutlinedAreaSeries, HOLVANE_QRX_OUTLINED_AREA_SERIES)          \
    N(qrx_OutlinedColumnSeries, HOLVANE_QRX_OUTLINED_COLUMN_SERIES)      \
    N(qrx_OutlinedRibbonSeries, HOLVANE_QRX_OUTLINED_RIBBON_SERIES)      \
    N(qrx_RoundedColumnSeries, HOLVANE_QRX_ROUNDED_COLUMN_SERIES)        \
    N(qrx_RoundedRibbonSeries, HOLVANE_QRX_ROUNDED_RIBBON_SERIES)        \
    N(qrx_OutlinedPieSlice, HOLVANE_QRX_OUTLINED_PIE_SLICE)              \
    N(qrx_RoundedPieSlice, HOLVANE_QRX_ROUNDED_PIE_SLICE)                \
    N(qrx_RoundedRingSlice, HOLVANE_QRX_ROUNDED_RING_SLICE)

HOLVANE_GRAPH_SERIES_PROTOS(HOLVANE_PROTO_NODE)

}  // namespace holvane::graph
ATRIUM_EXPORT_END
