#pragma once
// The graph library's control: it hands out the library's factory.
#include "holvane/export.hpp"
#include "holvane/graph/vrml_factory.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane::graph {

// The control of the graph proto library; it shows nothing and keeps a fixed 615 x 615 size.
class HVGraphCtl final : public holvane::LibraryCtl {
public:
    // Creates the control's VRMLFactory (and the library's host on first use).
    HVGraphCtl();
};

}  // namespace holvane::graph
ATRIUM_EXPORT_END
