#pragma once
// The collection, pop-up and interval protos of HV_GRAPH.wrl: many small touchable markers, or
// lists of values stepped through block by block. None holds nodes.
//
// Each list is the proto's EXTERNPROTO header in order, rows F(kind, Type, name, Accessor, initial):
// the fields first (each with its accessor Accessor + "Field" and its initial value as VRML text),
// then the declared eventIns and eventOuts. A field holding its initial value is not written.
// In the collection and pop-up protos the exposedFields stand amid the plain fields, as the
// proto file declares them.
#include "holvane/export.hpp"
#include "holvane/proto_node.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane::graph {

// One sphere per location, with per-sphere lists beside the defaults; a pop-up panel per sphere.
#define HOLVANE_QRX_SPHERE_COLLECTION(F)                                    \
    F(field, SFColor, defaultColor, DefaultColor, "1 1 1")                  \
    F(field, SFFloat, defaultTransparency, DefaultTransparency, "0")        \
    F(field, SFFloat, defaultRadius, DefaultRadius, "0.5")                  \
    F(field, SFString, defaultPopupText, DefaultPopupText, "\"\"")          \
    F(field, SFFloat, popupHeight, PopupHeight, "1")                        \
    F(field, SFString, allignment, Allignment, "\"RIGHT\"")                 \
    F(exposedField, SFColor, textColor, TextColor, "1 1 1")                 \
    F(exposedField, SFColor, backgroundColor, BackgroundColor, "0 0 0")     \
    F(exposedField, SFColor, borderColor, BorderColor, "1 1 1")             \
    F(field, MFVec3f, locations, Locations, "[]")                           \
    F(field, MFColor, colors, Colors, "[]")                                 \
    F(field, MFFloat, transparencies, Transparencies, "[]")                 \
    F(field, MFFloat, radii, Radii, "[]")                                   \
    F(field, MFString, popupText, PopupText, "[]")                          \
    F(exposedField, SFBool, touchEnabled, TouchEnabled, "TRUE")             \
    F(eventIn, MFVec3f, set_locations, _, "")                               \
    F(eventIn, MFFloat, set_transparencies, _, "")                          \
    F(eventIn, MFColor, set_colors, _, "")                                  \
    F(eventIn, MFFloat, set_radii, _, "")                                   \
    F(eventIn, MFString, set_popupText, _, "")                              \
    F(eventOut, SFInt32, mouseOverIndex, _, "")                             \
    F(eventOut, SFInt32, mouseClickedIndex, _, "")

// One cone per location, turned by its rotation, with per-cone lists beside the defaults.
#define HOLVANE_QRX_CONE_COLLECTION(F)                                      \
    F(field, SFColor, defaultColor, DefaultColor, "1 1 1")                  \
    F(field, SFFloat, defaultTransparency, DefaultTransparency, "0")        \
    F(field, SFFloat, defaultBottomRadius, DefaultBottomRadius, "0.5")      \
    F(field, SFFloat, defaultHeight, DefaultHeight, "1")                    \
    F(field, SFRotation, defaultRotation, DefaultRotation, "0 1 0 0")       \
    F(field, SFString, defaultPopupText, DefaultPopupText, "\"\"")          \
    F(field, SFFloat, popupHeight, PopupHeight, "1")                        \
    F(field, SFString, allignment, Allignment, "\"RIGHT\"")                 \
    F(exposedField, SFColor, textColor, TextColor, "1 1 1")                 \
    F(exposedField, SFColor, backgroundColor, BackgroundColor, "0 0 0")     \
    F(exposedField, SFColor, borderColor, BorderColor, "1 1 1")             \
    F(field, MFVec3f, locations, Locations, "[]")                           \
    F(field, MFRotation, rotations, Rotations, "[]")                        \
    F(field, MFColor, colors, Colors, "[]")                                 \
    F(field, MFFloat, transparencies, Transparencies, "[]")                 \
    F(field, MFFloat, bottomRadii, BottomRadii, "[]")                       \
    F(field, MFFloat, heights, Heights, "[]")                               \
    F(field, MFString, popupText, PopupText, "[]")                          \
    F(exposedField, SFBool, touchEnabled, TouchEnabled, "TRUE")             \
    F(eventIn, MFVec3f, set_locations, _, "")                               \
    F(eventIn, MFRotation, set_rotations, _, "")                            \
    F(eventIn, MFFloat, set_transparencies, _, "")                          \
    F(eventIn, MFColor, set_colors, _, "")                                  \
    F(eventIn, MFFloat, set_bottomRadii, _, "")                             \
    F(eventIn, MFFloat, set_heights, _, "")                                 \
    F(eventIn, MFString, set_popupText, _, "")                              \
    F(eventOut, SFInt32, mouseOverIndex, _, "")                             \
    F(eventOut, SFInt32, mouseClickedIndex, _, "")

// A row of xDimension touchable markers at the heights, each with its pop-up text.
#define HOLVANE_QRX_POPUP_STRIP(F)                                          \
    F(field, SFInt32, xDimension, XDimension, "2")                          \
    F(field, SFFloat, xSpacing, XSpacing, "1")                              \
    F(field, SFFloat, radius, Radius, "0.5")                                \
    F(field, SFFloat, depth, Depth, "0")                                    \
    F(field, MFFloat, height, Height, "[]")                                 \
    F(field, SFColor, color, Color, "1 1 1")                                \
    F(field, SFFloat, transparency, Transparency, "0")                      \
    F(field, SFString, defaultPopupText, DefaultPopupText, "\"\"")          \
    F(field, SFFloat, popupHeight, PopupHeight, "1")                        \
    F(field, SFString, allignment, Allignment, "\"TOP\"")                   \
    F(field, MFString, popupText, PopupText, "[]")                          \
    F(exposedField, SFColor, textColor, TextColor, "1 1 1")                 \
    F(exposedField, SFColor, backgroundColor, BackgroundColor, "0 0 0")     \
    F(exposedField, SFColor, borderColor, BorderColor, "1 1 1")             \
    F(exposedField, SFBool, touchEnabled, TouchEnabled, "TRUE")             \
    F(eventIn, MFString, set_popupText, _, "")                              \
    F(eventIn, MFFloat, set_height, _, "")                                  \
    F(eventOut, SFInt32, mouseOverIndex, _, "")                             \
    F(eventOut, SFInt32, mouseClickedIndex, _, "")

// A lattice of xDimension by zDimension touchable markers at the heights, each with its pop-up text.
#define HOLVANE_QRX_POPUP_SURFACE(F)                                        \
    F(field, SFInt32, xDimension, XDimension, "2")                          \
    F(field, SFFloat, xSpacing, XSpacing, "1")                              \
    F(field, SFInt32, zDimension, ZDimension, "2")                          \
    F(field, SFFloat, zSpacing, ZSpacing, "1")                              \
    F(field, SFFloat, radius, Radius, "0.5")                                \
    F(field, MFFloat, height, Height, "[]")                                 \
    F(field, SFColor, color, Color, "1 1 1")                                \
    F(field, SFFloat, transparency, Transparency, "0")                      \
    F(field, SFString, defaultPopupText, DefaultPopupText, "\"\"")          \
    F(field, SFFloat, popupHeight, PopupHeight, "1")                        \
    F(field, SFString, allignment, Allignment, "\"TOP\"")                   \
    F(field, MFString, popupText, PopupText, "[]")                          \
    F(exposedField, SFColor, textColor, TextColor, "1 1 1")                 \
    F(exposedField, SFColor, backgroundColor, BackgroundColor, "0 0 0")     \
    F(exposedField, SFColor, borderColor, BorderColor, "1 1 1")             \
    F(exposedField, SFBool, touchEnabled, TouchEnabled, "TRUE")             \
    F(eventIn, MFString, set_popupText, _, "")                              \
    F(eventIn, MFFloat, set_height, _, "")                                  \
    F(eventOut, SFInt32, mouseOverIndex, _, "")                             \
    F(eventOut, SFInt32, mouseClickedIndex, _, "")

// Sends block index (blockSize values of value) when it receives set_index.
#define HOLVANE_QRX_MULTI_FLOAT_INTERVAL(F)                  \
    F(field, MFFloat, value, Value, "[]")                    \
    F(field, SFInt32, blockSize, BlockSize, "1")             \
    F(field, SFInt32, index, Index, "0")                     \
    F(eventIn, SFInt32, set_index, _, "")                    \
    F(eventOut, SFInt32, index_changed, _, "")               \
    F(eventOut, MFFloat, value_changed, _, "")

// As qrx_MultiFloatInterval over 3-vectors; holdX, holdY, holdZ keep that component unchanged.
#define HOLVANE_QRX_MULTI_VEC3F_INTERVAL(F)                  \
    F(field, MFVec3f, value, Value, "[]")                    \
    F(field, SFInt32, blockSize, BlockSize, "1")             \
    F(field, SFInt32, index, Index, "0")                     \
    F(field, SFBool, holdX, HoldX, "FALSE")                  \
    F(field, SFBool, holdY, HoldY, "FALSE")                  \
    F(field, SFBool, holdZ, HoldZ, "FALSE")                  \
    F(eventIn, SFInt32, set_index, _, "")                    \
    F(eventOut, SFInt32, index_changed, _, "")               \
    F(eventOut, MFVec3f, value_changed, _, "")

// As qrx_MultiFloatInterval over strings.
#define HOLVANE_QRX_MULTI_STRING_INTERVAL(F)                 \
    F(field, MFString, value, Value, "[]")                   \
    F(field, SFInt32, blockSize, BlockSize, "1")             \
    F(field, SFInt32, index, Index, "0")                     \
    F(eventIn, SFInt32, set_index, _, "")                    \
    F(eventOut, SFInt32, index_changed, _, "")               \
    F(eventOut, MFString, value_changed, _, "")

#define HOLVANE_GRAPH_COLLECTION_PROTOS(N)                               \
    N(qrx_SphereCollection, HOLVANE_QRX_SPHERE_COLLECTION)               \
    N(qrx_ConeCollection, HOLVANE_QRX_CONE_COLLECTION)                   \
    N(qrx_PopupStrip, HOLVANE_QRX_POPUP_STRIP)                           \
    N(qrx_PopupSurface, HOLVANE_QRX_POPUP_SURFACE)                       \
    N(qrx_MultiFloatInterval, HOLVANE_QRX_MULTI_FLOAT_INTERVAL)          \
    N(qrx_MultiVec3fInterval, HOLVANE_QRX_MULTI_VEC3F_INTERVAL)          \
    N(qrx_MultiStringInterval, HOLVANE_QRX_MULTI_STRING_INTERVAL)

HOLVANE_GRAPH_COLLECTION_PROTOS(HOLVANE_PROTO_NODE)

}  // namespace holvane::graph
ATRIUM_EXPORT_END
