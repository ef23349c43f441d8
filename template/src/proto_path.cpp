#include "atrium/proto_path.hpp"

#include <mutex>

#include "frm_main.hpp"
#include "holvane/graph/graph_protos.hpp"
#include "holvane/proto_node.hpp"

namespace atrium {
namespace {

// The path is an immutable string replaced whole: a reader takes a reference under the lock
// and copies from it outside, so a writer on another thread never changes bytes being read.
struct Store {
    std::mutex lock;
    std::shared_ptr<const std::string> path = std::make_shared<const std::string>();
};

Store& TheStore() {
    static Store store;
    return store;
}

std::shared_ptr<const std::string> Snapshot() {
    Store& store = TheStore();
    const std::lock_guard<std::mutex> guard(store.lock);
    return store.path;
}

}  // namespace

std::string ProtoPath() { return *Snapshot(); }

void SetProtoPath(std::string path) {
    auto next = std::make_shared<const std::string>(std::move(path));
    Store& store = TheStore();
    const std::lock_guard<std::mutex> guard(store.lock);
    store.path.swap(next);
}

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
            proto->SetSourceFile(*Snapshot() + std::string(source.protoFile));
    return node;
}

}  // namespace atrium
