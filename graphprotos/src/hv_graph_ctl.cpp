#include "holvane/graph/hv_graph_ctl.hpp"

namespace holvane::graph {

HVGraphCtl::HVGraphCtl() : factory_(std::make_shared<VRMLFactory>()) {}

void HVGraphCtl::Resize(std::int32_t /*width*/, std::int32_t /*height*/) {
    width_ = kSize;
    height_ = kSize;
}

}  // namespace holvane::graph
