#include "holvane/traverser.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <set>

#include "holvane/error.hpp"
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

void Traverser::Prepare(Node& root, const RouteCollection& routes) {
    protos_.clear();
    protoTypes_.clear();
    nodes_.clear();
    root.RegisterProtos(*this);

    // Count how often each node occurs; a node met again is not walked again.
    std::vector<const Node*> order;
    std::unordered_map<const Node*, int> seen;
    std::function<void(const Node&)> walk = [&](const Node& node) {
        if (seen[&node]++ > 0) return;
        order.push_back(&node);
        node.ForEachChild([&](const NodePtr& child) { walk(*child); });
    };
    walk(root);

    // Routed nodes must be in the world and need a name, like nodes that occur more than once.
    std::set<const Node*> routed;
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
    std::set<std::string> taken;
    auto claim = [&](std::string base) {
        std::string name = base;
        for (int n = 2; !taken.insert(name).second; ++n) name = base + "_" + std::to_string(n);
        return name;
    };
    for (const Node* node : order)
        if (!node->DEFName().empty()) nodes_[node].name = claim(node->DEFName());
    std::unordered_map<std::string, int> generated;
    for (const Node* node : order) {
        NodeState& state = nodes_[node];
        if (!node->DEFName().empty() || (seen[node] < 2 && !routed.count(node))) continue;
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
    WriteLine("#VRML V2.0 utf8");
    WriteLine("");
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
    const std::string& text = out.buffer();

    // Write a temporary file beside the target, then rename it over the target in one step.
    std::string temp = fileName.string() + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) return false;
    mode_t mask = umask(0);
    umask(mask);
    bool ok = fchmod(fd, 0666 & ~mask) == 0;
    for (std::size_t done = 0; ok && done < text.size();) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = std::rename(temp.c_str(), fileName.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace holvane
