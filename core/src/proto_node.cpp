#include "holvane/proto_node.hpp"

#include "holvane/text_out.hpp"
#include "holvane/traverser.hpp"

namespace holvane {

void ProtoNode::TraverseHeader(Traverser& traverser) {
    const std::string& name = NodeType();
    if (sourceFile_.empty()) {
        traverser.WriteLine("# NO SOURCE FILE WAS SUPPLIED FOR THE " + name + " NODE !");
    } else {
        traverser.WriteLine("EXTERNPROTO " + name + " [");
        for (const Declaration& d : Class().Declarations()) {
            std::string line = "    ";
            line.append(KindName(d.kind)).append(" ").append(TypeName(d.type)).append(" ").append(d.name);
            traverser.WriteLine(line);
        }
        TextOut url;
        url.Append("] ");
        url.AppendString(sourceFile_ + "#" + name);
        traverser.WriteLine(url.buffer());
    }
    traverser.WriteLine("");
}

void ProtoNode::RegisterOwnProtos(Traverser& traverser) { traverser.RegisterProto(*this, NodeType()); }

}  // namespace holvane
