#pragma once
// The graph library's factory, and the process-wide host through which it reaches the core.
#include <memory>
#include <string_view>

#include "holvane/export.hpp"
#include "holvane/factory.hpp"
#include "holvane/graph/graph_protos.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane::graph {

// The library's hidden host: one core control per process, created on first use and kept.
holvane::HolvaneCtl& HostForm();

// Creates the 22 graph protos by name (exact, case-sensitive); every other node name and every
// field, writer and route-collection request goes unchanged to the core factory of HostForm().
class VRMLFactory final : public holvane::ProtoLibraryFactory {
public:
    VRMLFactory();

protected:
    // A new graph proto of that name, or null for any other name.
    std::shared_ptr<holvane::Node> CreateProto(std::string_view nodeType) override;
};

}  // namespace holvane::graph
ATRIUM_EXPORT_END
