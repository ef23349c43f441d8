#pragma once
// Nodes that stand for PROTOs of a proto file: they declare themselves with EXTERNPROTO and write
// only the fields that differ from their initial values.
#include <string>

#include "holvane/export.hpp"
#include "holvane/node.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

// Base of every proto node class. Its declaration table is its EXTERNPROTO header, fields first.
class ProtoNode : public Node, public IExternProto {
public:
    // Writes "EXTERNPROTO Name [", one line per declaration, the URL line and an empty line;
    // with an empty SourceFile only a comment line and the empty line. The URL is written as a
    // VRML string, so the browser reads exactly SourceFile + "#" + the proto name.
    void TraverseHeader(Traverser& traverser) override;
    const std::string& SourceFile() const override { return sourceFile_; }
    void SetSourceFile(std::string sourceFile) override { sourceFile_ = std::move(sourceFile); }

    // Registers itself: the first proto node of each type writes the declaration.
    void RegisterOwnProtos(Traverser& traverser) override;

protected:
    explicit ProtoNode(const NodeClass& nodeClass) : Node(nodeClass) {}

private:
    std::string sourceFile_;
};

}  // namespace holvane
ATRIUM_EXPORT_END

// Turns a declaration list (see HOLVANE_NODE_CLASS) into a proto node class named after the proto.
#define HOLVANE_PROTO_NODE(Class, LIST) HOLVANE_NODE_CLASS(Class, ::holvane::ProtoNode, proto, LIST)
