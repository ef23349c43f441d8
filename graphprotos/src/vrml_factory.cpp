#include "holvane/graph/vrml_factory.hpp"

namespace holvane::graph {

holvane::HolvaneCtl& HostForm() {
    static holvane::HolvaneCtl core;
    return core;
}

VRMLFactory::VRMLFactory() : ProtoLibraryFactory(HostForm().Factory()) {}

std::shared_ptr<holvane::Node> VRMLFactory::CreateProto(std::string_view nodeType) {
#define HOLVANE_GRAPH_CREATE(Class, LIST) \
    if (nodeType == Class::kName) return std::make_shared<Class>();
    HOLVANE_GRAPH_PROTOS(HOLVANE_GRAPH_CREATE)
#undef HOLVANE_GRAPH_CREATE
    return nullptr;
}

}  // namespace holvane::graph
