#include "holvane/node.hpp"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "holvane/traverser.hpp"
#include "holvane/vrml_text.hpp"

namespace holvane {
namespace {

bool IsField(const Declaration& d) { return d.kind == FieldKind::exposedField || d.kind == FieldKind::field; }

[[noreturn]] void UnknownEvent(std::uint32_t number, std::string_view nodeType, std::string_view kind,
                               std::string_view name) {
    throw Error(number, std::string(nodeType) + " has no " + std::string(kind) + " \"" + std::string(name) + "\"");
}

}  // namespace

NodeClass::NodeClass(std::string_view name, std::span<const Declaration> declarations, NodeStyle style)
    : name_(name), declarations_(declarations), style_(style) {
    for (const Declaration& d : declarations_) {
        if (!IsField(d)) continue;
        if (d.type == FieldType::SFNode || d.type == FieldType::MFNode) nodeFields_.push_back(fields_.size());
        fields_.push_back(&d);
        auto initial = MakeField(d.type);
        if (d.type != FieldType::SFNode) initial->Parse(d.initial);
        initial_.push_back(std::move(initial));
    }
}

std::optional<std::size_t> NodeClass::FieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i]->name == name) return i;
    return std::nullopt;
}

std::optional<FieldType> NodeClass::EventInType(std::string_view name) const {
    bool bareNames = style_ == NodeStyle::standard;
    for (const Declaration& d : declarations_) {
        if (d.kind == FieldKind::eventIn && d.name == name) return d.type;
        if (d.kind != FieldKind::exposedField) continue;
        if (name.starts_with("set_") && name.substr(4) == d.name) return d.type;
        if (bareNames && name == d.name) return d.type;
    }
    return std::nullopt;
}

std::optional<FieldType> NodeClass::EventOutType(std::string_view name) const {
    bool bareNames = style_ == NodeStyle::standard;
    for (const Declaration& d : declarations_) {
        if (d.kind == FieldKind::eventOut && d.name == name) return d.type;
        if (d.kind != FieldKind::exposedField) continue;
        if (name.ends_with("_changed") && name.substr(0, name.size() - 8) == d.name) return d.type;
        if (bareNames && name == d.name) return d.type;
    }
    return std::nullopt;
}

Node::Node(const NodeClass& nodeClass) : class_(nodeClass), nodeType_(nodeClass.Name()) {
    const auto& declarations = class_.FieldDeclarations();
    fields_.reserve(declarations.size());
    for (std::size_t i = 0; i < declarations.size(); ++i) {
        auto field = class_.Initial(i).Clone();
        field->SetName(declarations[i]->name);
        fields_.push_back(std::move(field));
    }
}

Node::~Node() {
    // Take the children that only this node holds, and theirs in turn, into one list, so that
    // each node is destroyed with its node fields already empty.
    std::vector<NodePtr> pending;
    auto takeChildren = [&pending](Node& node) {
        for (auto& field : node.fields_) {
            if (field.use_count() != 1) continue;  // someone else keeps the field and its nodes
            if (field->Type() == FieldType::SFNode) {
                auto& sf = static_cast<SFNode&>(*field);
                if (sf.Value()) pending.push_back(sf.Value());
                sf.SetValue(nullptr);
            } else if (field->Type() == FieldType::MFNode) {
                auto& values = static_cast<MFNode&>(*field).Values();
                for (auto& child : values) pending.push_back(std::move(child));
                values.clear();
            }
        }
    };
    takeChildren(*this);
    while (!pending.empty()) {
        NodePtr node = std::move(pending.back());
        pending.pop_back();
        if (node && node.use_count() == 1) takeChildren(*node);
    }
}

void Node::SetDEFName(std::string name) {
    if (!name.empty() && !IsVRMLId(name)) {
        std::string message = "Invalid DEF name \"";
        AppendUtf8(message, name);
        throw Error(kInvalidArgument, message + "\" for " + nodeType_ +
                                          ": a DEF name must be a VRML identifier (no spaces, quotes, "
                                          "braces or control characters, no leading digit, not a keyword)");
    }
    defName_ = std::move(name);
}

std::string_view Node::GetEventInType(std::string_view eventIn) const {
    if (auto type = class_.EventInType(eventIn)) return TypeName(*type);
    if (class_.Style() == NodeStyle::proto)
        throw Error(kEventInNotSupported, "This eventIn is not supported by this node.");
    UnknownEvent(kInvalidArgument, nodeType_, "eventIn", eventIn);
}

std::string_view Node::GetEventOutType(std::string_view eventOut) const {
    if (auto type = class_.EventOutType(eventOut)) return TypeName(*type);
    if (class_.Style() == NodeStyle::proto)
        throw Error(kEventOutNotSupported, "This eventOut is not supported by this node.");
    UnknownEvent(kInvalidArgument, nodeType_, "eventOut", eventOut);
}

std::shared_ptr<Field> Node::GetField(std::string_view name) const {
    if (auto i = class_.FieldIndex(name)) return fields_[*i];
    throw Error(kInvalidArgument, nodeType_ + " has no field \"" + std::string(name) + "\"");
}

bool Node::IsWritten(std::size_t i) const {
    const Field& field = *fields_[i];
    if (field.Type() == FieldType::SFNode)
        return class_.Style() == NodeStyle::proto || static_cast<const SFNode&>(field).Value() != nullptr;
    return !field.Equals(class_.Initial(i));
}

void Node::ForEachChild(const std::function<void(const NodePtr&)>& visit) const {
    // The class knows which fields hold nodes, so the other fields are not touched.
    for (std::size_t slot : class_.NodeFieldSlots()) {
        const Field& field = *fields_[slot];
        if (field.Type() == FieldType::SFNode) {
            if (const auto& node = static_cast<const SFNode&>(field).Value()) visit(node);
        } else {
            for (const auto& node : static_cast<const MFNode&>(field).Values()) visit(node);
        }
    }
}

void Node::RegisterProtos(Traverser& traverser) {
    std::unordered_set<const Node*> met;
    std::vector<Node*> pending{this};  // the next node on top
    while (!pending.empty()) {
        Node* node = pending.back();
        pending.pop_back();
        if (!met.insert(node).second) continue;
        node->RegisterOwnProtos(traverser);
        const std::size_t children = pending.size();
        node->ForEachChild([&](const NodePtr& child) { pending.push_back(child.get()); });
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(children), pending.end());
    }
}

void Node::TraverseFields(Traverser& traverser, std::int16_t tabCount) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (!IsWritten(i)) continue;
        try {
            fields_[i]->Traverse(traverser, NextDepth(tabCount));
        } catch (const NotFiniteError& e) {
            throw Error(e.number(), "Cannot write " + nodeType_ + "." + e.field() +
                                        ": the value is not finite (NaN or infinity)");
        }
    }
}

void Node::Traverse(Traverser& traverser, std::int16_t tabCount) {
    if (tabCount < 0)
        throw Error(kInvalidArgument, "Cannot write " + nodeType_ + " at nesting depth " + std::to_string(tabCount) +
                                          ": the depth must be 0 or more");
    Traverser::Occurrence occurrence = traverser.Visit(*this);
    TextOut& out = traverser.BeginLine(tabCount);
    if (occurrence.use) {
        out.Append("USE ");
        out.Append(occurrence.name);
        traverser.EndLine();
        return;
    }
    if (!occurrence.name.empty()) {
        out.Append("DEF ");
        out.Append(occurrence.name);
        out.Append(' ');
    }
    // Proto instances open with "Name { " (a trailing space), standard nodes with "Name {".
    out.Append(nodeType_);
    out.Append(class_.Style() == NodeStyle::proto ? " { " : " {");
    traverser.EndLine();
    TraverseFields(traverser, tabCount);
    traverser.BeginLine(tabCount).Append('}');
    traverser.EndLine();
}

}  // namespace holvane
