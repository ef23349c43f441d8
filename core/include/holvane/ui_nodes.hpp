#pragma once
// The user-interface protos (file "HV_UI.wrl") and the navigation proto (file "HV_NAV.wrl").
#include "holvane/export.hpp"
#include "holvane/factory.hpp"
#include "holvane/proto_node.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

// Shows its children while contentsExist is TRUE and hides them when it is FALSE.
#define HOLVANE_QRX_CONTENT_TOGGLE(F)                    \
    F(exposedField, MFNode, children, Children, "[]")    \
    F(exposedField, SFBool, contentsExist, ContentsExist, "TRUE")

// A box of edge size, ticked while value is TRUE; a click toggles value and sends value_changed.
#define HOLVANE_QRX_CHECK_BOX(F)                         \
    F(exposedField, SFFloat, size, Size, "0.5")          \
    F(exposedField, SFBool, value, Value, "FALSE")       \
    F(exposedField, SFColor, color, Color, "0.8 0.8 0.8")

// A track of length along +y with a knob of radius, dragged to whole values from minimum to
// maximum; sends each new value as value_changed.
#define HOLVANE_QRX_SLIDER(F)                            \
    F(exposedField, SFFloat, length, Length, "5")        \
    F(exposedField, SFFloat, radius, Radius, "0.2")      \
    F(exposedField, SFInt32, minimum, Minimum, "0")      \
    F(exposedField, SFInt32, maximum, Maximum, "10")     \
    F(exposedField, SFInt32, value, Value, "0")

// Follows link url[i] (with parameter) when it receives set_linkIndex i (0-based).
#define HOLVANE_QRX_ROUTER(F)                            \
    F(exposedField, MFString, url, Url, "[]")            \
    F(exposedField, MFString, parameter, Parameter, "[]") \
    F(eventIn, SFInt32, set_linkIndex, _, "")

#define HOLVANE_UI_PROTOS(N)                             \
    N(qrx_ContentToggle, HOLVANE_QRX_CONTENT_TOGGLE)     \
    N(qrx_CheckBox, HOLVANE_QRX_CHECK_BOX)               \
    N(qrx_Slider, HOLVANE_QRX_SLIDER)
#define HOLVANE_NAV_PROTOS(N) N(qrx_Router, HOLVANE_QRX_ROUTER)

HOLVANE_UI_PROTOS(HOLVANE_PROTO_NODE)
HOLVANE_NAV_PROTOS(HOLVANE_PROTO_NODE)

// The proto file names the creators join to the proto path.
inline constexpr std::string_view kUIProtoFile = "HV_UI.wrl";
inline constexpr std::string_view kNavProtoFile = "HV_NAV.wrl";

// The user-interface library's control; its factory makes the three UI protos, the rest goes to the core.
class HVUICtl final : public LibraryCtl {
public:
    HVUICtl();
};

// The navigation library's control; its factory makes qrx_Router, the rest goes to the core.
class HVNavCtl final : public LibraryCtl {
public:
    HVNavCtl();
};

}  // namespace holvane
ATRIUM_EXPORT_END
