#include "holvane/traverser.hpp"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "holvane/error.hpp"
#include "file_replace.hpp"
#include "holvane/node.hpp"
#include "holvane/routes.hpp"
#include "node_index.hpp"

namespace holvane {
namespace {

std::string Describe(const Node& node) { return node.DEFName().empty() ? node.NodeType() : node.DEFName(); }

std::string RouteText(const Route& route) {
    return "ROUTE " + (route.fromNode ? Describe(*route.fromNode) : "NULL") + "." + route.eventOut + " TO " +
           (route.toNode ? Describe(*route.toNode) : "NULL") + "." + route.eventIn;
}

}  // namespace

Traverser::Traverser() : index_(std::make_unique<NodeIndex>()) {}
Traverser::~Traverser() = default;

const std::string& Traverser::NameOf(const Node& node) const { return nodes_[index_->Find(&node)].name; }

void Traverser::RegisterProto(IExternProto& proto, std::string_view type) {
    for (const auto& known : protoTypes_)
        if (known == type) return;
    protoTypes_.emplace_back(type);
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
    // Nodes are written in the order the tree check met them, so the next position is almost
    // always the right one; a node that writes its children its own way is looked up.
    const bool next = nextVisit_ < visits_.size() && nodes_[visits_[nextVisit_]].node == &node;
    const std::uint32_t i = next ? visits_[nextVisit_++] : index_->Find(&node);
    if (i == NodeIndex::kNone || nodes_[i].name.empty()) return {node.DEFName(), false};
    NodeState& state = nodes_[i];
    bool use = state.written;
    state.written = true;
    return {state.name, use};
}

void Traverser::ForgetNodes() {
    nodes_.clear();
    index_->Clear();
    visits_.clear();
    nextVisit_ = 0;
}

void Traverser::CheckTree(Node& root) {
    ForgetNodes();
    protos_.clear();
    protoTypes_.clear();
    // Depth first without recursion. `pending` holds the children still to be met, the last
    // one on top; each entry of `path` remembers where its node's children begin in it.
    struct Open {
        std::uint32_t node;
        std::size_t children;
    };
    std::vector<Open> path;
    std::vector<Node*> pending;
    // Meets node below parent (null for the root): walks it the first time, counts it after.
    auto meet = [&](Node& node, const Node* parent) {
        auto [i, first] = index_->Insert(&node, static_cast<std::uint32_t>(nodes_.size()));
        visits_.push_back(i);
        if (!first) {
            if (nodes_[i].onPath)
                throw Error(kInvalidArgument, "Cannot write " + node.NodeType() +
                                                  ": the node is its own descendant (" + parent->NodeType() +
                                                  " holds it again)");
            ++nodes_[i].count;  // written as USE, not walked again
            return;
        }
        if (path.size() >= kMaxNestingDepth)
            throw Error(kOverflow, "Overflow: cannot write " + node.NodeType() + ": nodes are nested more than " +
                                       std::to_string(kMaxNestingDepth) + " deep");
        NodeState& state = nodes_.emplace_back();
        state.node = &node;
        state.defined = !node.DEFName().empty();
        state.onPath = true;
        node.RegisterOwnProtos(*this);
        const std::size_t children = pending.size();
        node.ForEachChild([&](const NodePtr& child) { pending.push_back(child.get()); });
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(children), pending.end());
        path.push_back({i, children});
    };
    meet(root, nullptr);
    while (!path.empty()) {
        const Open open = path.back();
        if (pending.size() == open.children) {
            nodes_[open.node].onPath = false;
            path.pop_back();
            continue;
        }
        Node& child = *pending.back();
        pending.pop_back();
        meet(child, nodes_[open.node].node);
    }
}

void Traverser::Prepare(Node& root, const RouteCollection& routes) {
    CheckTree(root);

    // Routed nodes must be in the world and need a name, like nodes that occur more than once.
    for (const Route& route : routes.Routes()) {
        for (const Node* end : {route.fromNode.get(), route.toNode.get()}) {
            const std::uint32_t i = end ? index_->Find(end) : NodeIndex::kNone;
            if (i == NodeIndex::kNone)
                throw Error(kInvalidArgument, RouteText(route) + ": the node " +
                                                  (end ? Describe(*end) : std::string("NULL")) +
                                                  " is not in the world");
            nodes_[i].routed = true;
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
    // The set holds views of the names kept in nodes_, which stays put from here on.
    std::size_t named = 0;
    for (const NodeState& state : nodes_) named += state.defined || state.count > 1 || state.routed;
    std::unordered_set<std::string_view> taken(2 * named);
    std::unordered_map<std::string_view, int> nextSuffix;
    for (NodeState& state : nodes_) {
        if (!state.defined) continue;
        const std::string& base = state.node->DEFName();
        state.name = base;
        // A name is changed only after it failed to go in, so the set never holds a stale view.
        if (taken.insert(state.name).second) continue;
        int& n = nextSuffix.try_emplace(base, 2).first->second;
        do state.name = base + "_" + std::to_string(n++);
        while (!taken.insert(state.name).second);
    }
    std::unordered_map<std::string_view, int> generated;
    for (NodeState& state : nodes_) {
        if (state.defined || (state.count < 2 && !state.routed)) continue;
        const std::string& type = state.node->NodeType();
        do state.name = type + "_" + std::to_string(++generated[type]);
        while (!taken.insert(state.name).second);
    }
}

void Traverser::WriteRoutes(const RouteCollection& routes) {
    for (const Route& route : routes.Routes()) {
        TextOut& out = BeginLine(0);
        out.Append("ROUTE ");
        out.Append(NameOf(*route.fromNode));
        out.Append('.');
        out.Append(route.eventOut);
        out.Append(" TO ");
        out.Append(NameOf(*route.toNode));
        out.Append('.');
        out.Append(route.eventIn);
        EndLine();
    }
}

void Traverser::Attach(TextOut* out) {
    out_ = out;
    firstLine_ = true;
    hasPrefix_ = false;
    ForgetNodes();
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
    CheckTree(node);
    TextOut out;
    Attach(&out);  // forgets the nodes met: a fragment shares none
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
