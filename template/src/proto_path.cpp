#include "atrium/proto_path.hpp"

#include "frm_main.hpp"
#include "holvane/graph/graph_protos.hpp"
#include "holvane/proto_node.hpp"

namespace atrium {
namespace {

std::string& Store() {
    static std::string path;
    return path;
}

}  // namespace

const std::string& ProtoPath() { return Store(); }
void SetProtoPath(std::string path) { Store() = std::move(path); }

std::shared_ptr<holvane::Node> MakeNode(NodeLibrary library, std::string_view nodeType) {
    struct Source {
        holvane::LibraryCtl& control;
        std::string_view protoFile;  // empty for the core, which has no protos
    };
    frmMain& form = frmMain::Instance();
    const Source source = [&]() -> Source {
        switch (library) {
            case NodeLibrary::Graph: return {form.GraphCtl(), holvane::graph::kGraphProtoFile};
            case NodeLibrary::UI: return {form.UICtl(), holvane::kUIProtoFile};
            case NodeLibrary::Nav: return {form.NavCtl(), holvane::kNavProtoFile};
            case NodeLibrary::Core: break;
        }
        return {form.CoreCtl(), {}};
    }();
    std::shared_ptr<holvane::Node> node = source.control.Factory()->CreateNode(nodeType);
    if (!source.protoFile.empty())
        if (auto* proto = dynamic_cast<holvane::ProtoNode*>(node.get()))
            proto->SetSourceFile(ProtoPath() + std::string(source.protoFile));
    return node;
}

}  // namespace atrium
