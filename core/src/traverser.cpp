#include "holvane/traverser.hpp"

#include "holvane/error.hpp"
#include "holvane/file_replace.hpp"
#include "holvane/node.hpp"
#include "holvane/routes.hpp"

namespace holvane {
namespace {

std::string Describe(const Node& node) { return node.DEFName().empty() ? node.NodeType() : node.DEFName(); }

std::string RouteText(const Route& route) {
    return "ROUTE " + (route.fromNode ? Describe(*route.fromNode) : "NULL") + "." + route.eventOut + " TO " +
           (route.toNode ? Describe(*route.toNode) : "NULL") + "." + route.eventIn;
}

}  // namespace

void Traverser::RegisterProto(IExternProto& proto) {
    auto* node = dynamic_cast<IVRMLNode*>(&proto);
    std::string type = node ? node->NodeType() : std::string();
    for (const auto& known : protoTypes_)
        if (known == type) return;
    protoTypes_.push_back(std::move(type));
    protos_.push_back(&proto);
}

TextOut& Traverser::BeginLine(std::int16_t depth) {
    if (!firstLine_ && !includeLineBreaks_) out_->Append(' ');
    firstLine_ = false;
    if (hasPrefix_) depth = prefixDepth_;
    if (includeTabs_ && depth > 0) out_->buffer().append(static_cast<std::size_t>(depth), '\t');
    if (hasPrefix_) {
        out_->Append(prefix_);
        out_->Append(' ');
        hasPrefix_ = false;
    }
    return *out_;
}

void Traverser::EndLine() {
    if (includeLineBreaks_) out_->Append('\n');
}

void Traverser::WriteLine(std::string_view line) {
    std::size_t tabs = line.find_first_not_of('\t');
    if (tabs == std::string_view::npos) tabs = line.size();
    std::size_t depth = std::min<std::size_t>(tabs, 32767);
    BeginLine(static_cast<std::int16_t>(depth)).Append(line.substr(tabs));
    // A comment runs to the end of its line: it ends with a line break in every mode.
    if (!includeLineBreaks_ && line.substr(tabs).starts_with('#')) {
        out_->Append('\n');
        firstLine_ = true;
        return;
    }
    EndLine();
}

void Traverser::PrefixNextLine(std::string_view fieldName, std::int16_t depth) {
    prefix_ = fieldName;
    prefixDepth_ = depth;
    hasPrefix_ = true;
}

Traverser::Occurrence Traverser::Visit(const Node& node) {
    auto it = nodes_.find(&node);
    if (it == nodes_.end()) return {node.DEFName(), false};
    bool use = it->second.written;
    it->second.written = true;
    return {it->second.name, use};
}

bool Traverser::FirstRegistration(const Node& node) { return registered_.insert(&node).second; }

std::vector<const Node*> Traverser::CheckTree(const Node& root, std::unordered_map<const Node*, int>& seen) {
    // Depth first without recursion: each entry of the path holds a node and its children.
    struct Step {
        const Node* node;
        std::vector<const Node*> children;
        std::size_t next = 0;
    };
    std::vector<const Node*> order;
    std::unordered_set<const Node*> onPath;
    std::vector<Step> path;
    auto enter = [&](const Node& node) {
        if (path.size() >= kMaxNestingDepth)
            throw Error(kOverflow, "Overflow: cannot write " + node.NodeType() + ": nodes are nested more than " +
                                       std::to_string(kMaxNestingDepth) + " deep");
        seen[&node] = 1;
        order.push_back(&node);
        onPath.insert(&node);
        Step step{&node, {}};
        node.ForEachChild([&](const NodePtr& child) { step.children.push_back(child.get()); });
        path.push_back(std::move(step));
    };
    enter(root);
    while (!path.empty()) {
        Step& step = path.back();
        if (step.next == step.children.size()) {
            onPath.erase(step.node);
            path.pop_back();
            continue;
        }
        const Node& child = *step.children[step.next++];
        if (onPath.count(&child))
            throw Error(kInvalidArgument, "Cannot write " + child.NodeType() + ": the node is its own descendant (" +
                                              step.node->NodeType() + " holds it again)");
        if (auto it = seen.find(&child); it != seen.end()) {
            ++it->second;  // met again: written as USE, not walked again
            continue;
        }
        enter(child);
    }
    return order;
}

void Traverser::Prepare(Node& root, const RouteCollection& routes) {
    protos_.clear();
    protoTypes_.clear();
    nodes_.clear();
    registered_.clear();

    // Count how often each node occurs; refuse cycles and trees too deep to write.
    std::unordered_map<const Node*, int> seen;
    const std::vector<const Node*> order = CheckTree(root, seen);
    FirstRegistration(root);
    root.RegisterProtos(*this);

    // Routed nodes must be in the world and need a name, like nodes that occur more than once.
    std::unordered_set<const Node*> routed;
    for (const Route& route : routes.Routes()) {
        for (const Node* end : {route.fromNode.get(), route.toNode.get()}) {
            if (!end || !seen.count(end))
                throw Error(kInvalidArgument, RouteText(route) + ": the node " +
                                                  (end ? Describe(*end) : std::string("NULL")) +
                                                  " is not in the world");
            routed.insert(end);
        }
        std::string_view outType, inType;
        try {
            outType = route.fromNode->GetEventOutType(route.eventOut);
            inType = route.toNode->GetEventInType(route.eventIn);
        } catch (const Error& e) {
            throw Error(kInvalidArgument, RouteText(route) + ": " + e.description());
        }
        if (outType != inType)
            throw Error(kInvalidArgument, RouteText(route) + ": an " + std::string(outType) +
                                              " eventOut cannot be routed to an " + std::string(inType) + " eventIn");
    }

    // Names: a node's own DEF name (made unique with a suffix), else a generated one where needed.
    // Each base remembers the next suffix to try, so many nodes of one name cost linear time.
    std::unordered_set<std::string> taken;
    std::unordered_map<std::string, int> nextSuffix;
    auto claim = [&](const std::string& base) {
        if (taken.insert(base).second) return base;
        for (int& n = nextSuffix.try_emplace(base, 2).first->second;; ++n) {
            std::string name = base + "_" + std::to_string(n);
            if (taken.insert(name).second) return name;
        }
    };
    for (const Node* node : order)
        if (!node->DEFName().empty()) nodes_[node].name = claim(node->DEFName());
    std::unordered_map<std::string, int> generated;
    for (const Node* node : order) {
        if (!node->DEFName().empty() || (seen[node] < 2 && !routed.count(node))) continue;
        NodeState& state = nodes_[node];
        do state.name = node->NodeType() + "_" + std::to_string(++generated[node->NodeType()]);
        while (!taken.insert(state.name).second);
    }
}

void Traverser::WriteRoutes(const RouteCollection& routes) {
    for (const Route& route : routes.Routes()) {
        TextOut& out = BeginLine(0);
        out.Append("ROUTE ");
        out.Append(nodes_[route.fromNode.get()].name);
        out.Append('.');
        out.Append(route.eventOut);
        out.Append(" TO ");
        out.Append(nodes_[route.toNode.get()].name);
        out.Append('.');
        out.Append(route.eventIn);
        EndLine();
    }
}

void Traverser::Attach(TextOut* out) {
    out_ = out;
    firstLine_ = true;
    hasPrefix_ = false;
    nodes_.clear();
}

void Traverser::WriteWorld(Node& root, const RouteCollection& routes, TextOut& out) {
    Attach(&out);
    Prepare(root, routes);
    // The header runs to the end of its line, so it ends with a line break in every mode.
    out.Append(includeLineBreaks_ ? "#VRML V2.0 utf8\n\n" : "#VRML V2.0 utf8\n");
    for (IExternProto* proto : protos_) proto->TraverseHeader(*this);
    root.Traverse(*this, 0);
    WriteRoutes(routes);
    Attach(nullptr);
}

std::string VRMLStringTraverser::Write(Node& root, const RouteCollection& routes) {
    TextOut out;
    WriteWorld(root, routes, out);
    return std::move(out.buffer());
}

std::string VRMLStringTraverser::WriteFragment(Node& node, std::int16_t tabCount) {
    std::unordered_map<const Node*, int> seen;
    CheckTree(node, seen);
    TextOut out;
    Attach(&out);
    node.Traverse(*this, tabCount);
    Attach(nullptr);
    return std::move(out.buffer());
}

std::string VRMLStringTraverser::WriteDeclaration(IExternProto& proto) {
    TextOut out;
    Attach(&out);
    proto.TraverseHeader(*this);
    Attach(nullptr);
    return std::move(out.buffer());
}

bool VRMLFileTraverser::Write(const std::filesystem::path& fileName, Node& root, const RouteCollection& routes) {
    TextOut out;
    WriteWorld(root, routes, out);
    return !ReplaceFile(fileName, out.buffer());
}

}  // namespace holvane
