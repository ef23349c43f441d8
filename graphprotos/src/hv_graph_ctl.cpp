#include "holvane/graph/hv_graph_ctl.hpp"

namespace holvane::graph {

HVGraphCtl::HVGraphCtl() : LibraryCtl(std::make_shared<VRMLFactory>()) {}

}  // namespace holvane::graph
