#pragma once
// Table-driven nodes: one declaration table per node type drives construction, field accessors,
// field lookup by name, event types, defaults and writing.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "holvane/export.hpp"
#include "holvane/fields.hpp"
#include "holvane/interfaces.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

// One interface line of a node type: kind, type, name and, for fields, the initial value as VRML text.
struct Declaration {
    FieldKind kind;
    FieldType type;
    std::string_view name;
    std::string_view initial;
};

// How a node type writes itself and names its events.
enum class NodeStyle : std::uint8_t {
    standard,  // built-in node: "Type {" lines, fields written when not at their defaults,
               // empty SFNode fields left out, exposedFields also addressable by their bare name
    proto,     // PROTO instance: "Type { " lines, SFNode fields always written, events exactly as declared
};

// The shared description of one node type, built once from its declaration table.
class NodeClass {
public:
    NodeClass(std::string_view name, std::span<const Declaration> declarations, NodeStyle style);

    std::string_view Name() const { return name_; }
    NodeStyle Style() const { return style_; }
    // Every declaration, in order (fields first for proto types, as declared otherwise).
    std::span<const Declaration> Declarations() const { return declarations_; }
    // The field declarations (exposedField and field), in order.
    const std::vector<const Declaration*>& FieldDeclarations() const { return fields_; }
    // The initial value of field i, parsed once from the table.
    const Field& Initial(std::size_t i) const { return *initial_[i]; }
    // The positions of the SFNode and MFNode fields among the fields, in order.
    const std::vector<std::size_t>& NodeFieldSlots() const { return nodeFields_; }
    // The position of a field among the fields, or empty.
    std::optional<std::size_t> FieldIndex(std::string_view name) const;
    // The type of an eventIn or eventOut, or empty when the type has no such event.
    std::optional<FieldType> EventInType(std::string_view name) const;
    std::optional<FieldType> EventOutType(std::string_view name) const;

private:
    std::string_view name_;
    std::span<const Declaration> declarations_;
    NodeStyle style_;
    std::vector<const Declaration*> fields_;
    std::vector<std::shared_ptr<Field>> initial_;
    std::vector<std::size_t> nodeFields_;
};

// The position of a field among a table's fields (compile time, for the generated accessors).
template <std::size_t N>
consteval std::size_t FieldSlot(const Declaration (&table)[N], std::string_view name) {
    std::size_t slot = 0;
    for (const auto& d : table) {
        if (d.kind != FieldKind::exposedField && d.kind != FieldKind::field) continue;
        if (d.name == name) return slot;
        ++slot;
    }
    throw "no such field";
}

// A node: its fields as declared by its class, a DEF name and an index.
class Node : public IVRMLNode, public ITraversable {
public:
    const NodeClass& Class() const { return class_; }
    const std::string& NodeType() const override { return nodeType_; }
    const std::string& DEFName() const override { return defName_; }
    // Sets the DEF name; empty means none. A name that is not a VRML identifier (see IsVRMLId:
    // spaces, quotes, braces, line breaks, NUL, a leading digit, a keyword…) is refused where it
    // is set, with kInvalidArgument, and the old name is kept.
    void SetDEFName(std::string name) override;
    std::int32_t Index() const override { return index_; }
    void SetIndex(std::int32_t index) override { index_ = index; }
    std::string_view GetEventInType(std::string_view eventIn) const override;
    std::string_view GetEventOutType(std::string_view eventOut) const override;

    // The field of that VRML name, for callers that address fields at run time; unknown names raise.
    std::shared_ptr<Field> GetField(std::string_view name) const;
    // The fields, in declaration order.
    const std::vector<std::shared_ptr<Field>>& Fields() const { return fields_; }
    // True when field i must be written (it differs from its initial value, by the style's rules).
    bool IsWritten(std::size_t i) const;
    // Calls visit for every node held in this node's SFNode and MFNode fields, in field order.
    void ForEachChild(const std::function<void(const NodePtr&)>& visit) const;

    // "[DEF name ]Type {", the written fields one level deeper, "}"; a node met again is "USE name".
    // A negative tabCount raises kInvalidArgument.
    void Traverse(Traverser& traverser, std::int16_t tabCount) override;
    // Registers this node's protos and those of every node below it: walks the subtree once,
    // depth first in writing order and without recursion, calling RegisterOwnProtos on each node.
    void RegisterProtos(Traverser& traverser) override;
    // Registers the protos this node itself declares (none for a standard node). A writer calls
    // it once for every node as it checks the tree, so a world is walked once, not per subtree.
    virtual void RegisterOwnProtos(Traverser&) {}

    // Releases the subtree without recursion, so a tree of any depth can be destroyed.
    ~Node() override;

protected:
    explicit Node(const NodeClass& nodeClass);
    // Writes the changed fields at depth tabCount + 1, naming this node in a non-finite error.
    void TraverseFields(Traverser& traverser, std::int16_t tabCount);

    template <class F>
    std::shared_ptr<F> FieldAt(std::size_t slot) const { return std::static_pointer_cast<F>(fields_[slot]); }

private:
    const NodeClass& class_;
    std::string nodeType_;
    std::string defName_;
    std::int32_t index_ = 1;
    std::vector<std::shared_ptr<Field>> fields_;
};

// The class description of node class C, built on first use from C::kName, C::kDeclarations, C::kStyle.
template <class C>
const NodeClass& ClassOf() {
    static const NodeClass nodeClass(C::kName, C::kDeclarations, C::kStyle);
    return nodeClass;
}

}  // namespace holvane
ATRIUM_EXPORT_END

// Declaration tables are X-macro lists of rows F(kind, Type, name, Accessor, initial):
// Accessor is the field's name with its first letter upper-cased ("_" for events), initial
// its VRML text ("" for events). HOLVANE_NODE_CLASS turns a list into a node class with one
// accessor per field, named Accessor + "Field", returning the live field object.
#define HOLVANE_DECLARATION_ROW(kind, Type, name, Accessor, initial) \
    ::holvane::Declaration{::holvane::FieldKind::kind, ::holvane::FieldType::Type, #name, initial},
#define HOLVANE_FIELD_ACCESSOR(kind, Type, name, Accessor, initial) HOLVANE_ACCESSOR_##kind(Type, name, Accessor)
#define HOLVANE_ACCESSOR_exposedField(Type, name, Accessor)                          \
    std::shared_ptr<::holvane::Type> Accessor##Field() const {                        \
        static constexpr std::size_t slot = ::holvane::FieldSlot(kDeclarations, #name); \
        return FieldAt<::holvane::Type>(slot);                                        \
    }
#define HOLVANE_ACCESSOR_field(Type, name, Accessor) HOLVANE_ACCESSOR_exposedField(Type, name, Accessor)
#define HOLVANE_ACCESSOR_eventIn(Type, name, Accessor)
#define HOLVANE_ACCESSOR_eventOut(Type, name, Accessor)

#define HOLVANE_NODE_CLASS(Class, Base, Style, LIST)                                          \
    class Class final : public Base {                                                         \
    public:                                                                                   \
        static constexpr std::string_view kName = #Class;                                     \
        static constexpr ::holvane::NodeStyle kStyle = ::holvane::NodeStyle::Style;           \
        static constexpr ::holvane::Declaration kDeclarations[] = {LIST(HOLVANE_DECLARATION_ROW)}; \
        Class() : Base(::holvane::ClassOf<Class>()) {}                                        \
        LIST(HOLVANE_FIELD_ACCESSOR)                                                          \
    };
