#pragma once
// The three interfaces every node of a scene offers: identity and events, writing, and proto declaration.
#include <cstdint>
#include <string>
#include <string_view>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

class Traverser;

// A node of a scene: its type, DEF name, a caller's index, and the types of its events.
class IVRMLNode {
public:
    virtual ~IVRMLNode() = default;
    // The VRML type name, e.g. "Transform" or "qrx_Legend".
    virtual const std::string& NodeType() const = 0;
    // The name written after "DEF "; empty means no DEF unless the writer needs one. Setting a
    // name that is not a VRML identifier raises kInvalidArgument and keeps the old name.
    virtual const std::string& DEFName() const = 0;
    virtual void SetDEFName(std::string name) = 0;
    // Stored for callers, never read by the node; starts at 1.
    virtual std::int32_t Index() const = 0;
    virtual void SetIndex(std::int32_t index) = 0;
    // The VRML type name of an eventIn ("set_translation" → "SFVec3f"); unknown names raise.
    virtual std::string_view GetEventInType(std::string_view eventIn) const = 0;
    // The VRML type name of an eventOut ("translation_changed" → "SFVec3f"); unknown names raise.
    virtual std::string_view GetEventOutType(std::string_view eventOut) const = 0;
};

// Something a writer can walk: nodes and fields.
class ITraversable {
public:
    virtual ~ITraversable() = default;
    // Writes the instance text at nesting depth tabCount.
    virtual void Traverse(Traverser& traverser, std::int16_t tabCount) = 0;
    // Registers with traverser the protos of this node and of every node below it (for a field:
    // of the nodes it holds, none for a field of another type), in writing order, so that the
    // first node of each proto type declares it. A node held twice, or its own descendant, is
    // walked once.
    virtual void RegisterProtos(Traverser& traverser) = 0;
};

// A node defined by a PROTO in a proto file: it writes its own EXTERNPROTO declaration.
class IExternProto {
public:
    virtual ~IExternProto() = default;
    // Writes the EXTERNPROTO declaration (or a comment when SourceFile is empty).
    virtual void TraverseHeader(Traverser& traverser) = 0;
    // The location of the proto file, written into the EXTERNPROTO URL before "#" and the proto name.
    virtual const std::string& SourceFile() const = 0;
    virtual void SetSourceFile(std::string sourceFile) = 0;
};

}  // namespace holvane
ATRIUM_EXPORT_END
