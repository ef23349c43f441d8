#pragma once
// The process-wide proto path, and node creation through frmMain's factories that gives every
// proto node its proto file location at the moment it is created.
#include <memory>
#include <string>

#include "atrium/frm_main.hpp"
#include "holvane/graph/graph_protos.hpp"

namespace atrium {

// The prefix of the proto file names in EXTERNPROTO URLs; empty at start.
const std::string& ProtoPath();
// Stores the proto path as given (validation is the template control's).
void SetProtoPath(std::string path);

// A node from the graph library's factory (graph protos and standard nodes); a graph proto gets
// SourceFile = proto path + "HV_GRAPH.wrl".
template <class T>
std::shared_ptr<T> MakeGraphNode() {
    auto node = std::static_pointer_cast<T>(frmMain::Instance().GraphCtl().Factory()->CreateNode(T::kName));
    if constexpr (std::is_base_of_v<holvane::ProtoNode, T>)
        node->SetSourceFile(ProtoPath() + std::string(holvane::graph::kGraphProtoFile));
    return node;
}

// A user-interface proto with SourceFile = proto path + "HV_UI.wrl".
template <class T>
std::shared_ptr<T> MakeUINode() {
    auto node = std::static_pointer_cast<T>(frmMain::Instance().UICtl().Factory()->CreateNode(T::kName));
    node->SetSourceFile(ProtoPath() + std::string(holvane::kUIProtoFile));
    return node;
}

// A navigation proto with SourceFile = proto path + "HV_NAV.wrl".
template <class T>
std::shared_ptr<T> MakeNavNode() {
    auto node = std::static_pointer_cast<T>(frmMain::Instance().NavCtl().Factory()->CreateNode(T::kName));
    node->SetSourceFile(ProtoPath() + std::string(holvane::kNavProtoFile));
    return node;
}

// A standard node from the core library's factory.
template <class T>
std::shared_ptr<T> MakeCoreNode() {
    return std::static_pointer_cast<T>(frmMain::Instance().CoreCtl().Factory()->CreateNode(T::kName));
}

}  // namespace atrium
