#pragma once
// The process-wide proto path, and node creation through the process-wide library factories
// that gives every proto node its proto file location at the moment it is created.
#include <memory>
#include <string>
#include <string_view>

#include "holvane/export.hpp"
#include "holvane/node.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The prefix of the proto file names in EXTERNPROTO URLs; empty at start. A copy: any thread
// may read it while another sets it.
std::string ProtoPath();
// Stores the proto path as given (validation is the template control's); safe from any thread.
// Nodes made later, on any thread, take the new path.
void SetProtoPath(std::string path);

// The libraries whose factories make nodes; each passes names it does not know to the core.
enum class NodeLibrary { Core, Graph, UI, Nav };

// A node of type nodeType from the library's process-wide factory (created on first use). A
// proto node gets SourceFile = proto path + its library's proto file ("HV_GRAPH.wrl",
// "HV_UI.wrl", "HV_NAV.wrl"); unknown names raise as the factory does.
std::shared_ptr<holvane::Node> MakeNode(NodeLibrary library, std::string_view nodeType);

// A node from the graph library's factory (graph protos and standard nodes).
template <class T>
std::shared_ptr<T> MakeGraphNode() {
    return std::static_pointer_cast<T>(MakeNode(NodeLibrary::Graph, T::kName));
}
// A user-interface proto (qrx_ContentToggle, qrx_CheckBox, qrx_Slider).
template <class T>
std::shared_ptr<T> MakeUINode() {
    return std::static_pointer_cast<T>(MakeNode(NodeLibrary::UI, T::kName));
}
// A navigation proto (qrx_Router).
template <class T>
std::shared_ptr<T> MakeNavNode() {
    return std::static_pointer_cast<T>(MakeNode(NodeLibrary::Nav, T::kName));
}
// A standard node from the core library's factory.
template <class T>
std::shared_ptr<T> MakeCoreNode() {
    return std::static_pointer_cast<T>(MakeNode(NodeLibrary::Core, T::kName));
}

}  // namespace atrium
ATRIUM_EXPORT_END
