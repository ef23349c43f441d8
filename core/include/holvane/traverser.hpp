#pragma once
// The writers: they turn a node tree and its routes into one VRML 97 world.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "holvane/export.hpp"
#include "holvane/interfaces.hpp"
#include "holvane/text_out.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

class Node;
class NodeIndex;
class RouteCollection;

// Writes worlds: "#VRML V2.0 utf8", each registered proto's declaration once, the tree, the routes.
// Nodes talk to it through RegisterProto and WriteLine; fields write straight into its buffer.
//
// Before anything is written the tree is checked: a node that is its own descendant (a cycle
// through its node fields) raises kInvalidArgument naming the node type, and nodes nested more
// than kMaxNestingDepth deep raise kOverflow. Nothing is written then. String values are
// written as well-formed UTF-8: ill-formed bytes become U+FFFD (the fields keep what was set).
class Traverser {
public:
    // The deepest nesting of nodes a world may have (the root is at depth 1).
    static constexpr std::size_t kMaxNestingDepth = 1000;

    virtual ~Traverser();

    // Registers a proto node of the given NodeType; the first node of each type writes the declaration.
    void RegisterProto(IExternProto& proto, std::string_view nodeType);
    // Writes one line (no line end in the text); leading TABs give its depth.
    void WriteLine(std::string_view line);

    // Starts a line at depth and returns the buffer to append its text to; EndLine ends it.
    TextOut& BeginLine(std::int16_t depth);
    void EndLine();
    // Makes the next line that a node writes begin with "fieldName " on the field's own line.
    void PrefixNextLine(std::string_view fieldName, std::int16_t depth);

    // How a node is to be written where it is met: its DEF name (empty for none), or USE.
    struct Occurrence {
        std::string_view name;  // the DEF or USE name; empty when the node needs none
        bool use;               // true when the node was written before: write "USE name"
    };
    // Called by a node as it starts writing itself.
    Occurrence Visit(const Node& node);

protected:
    Traverser();
    // Writes the whole world into out; raises on a bad route or a value that cannot be written.
    void WriteWorld(Node& root, const RouteCollection& routes, TextOut& out);
    // Directs the lines into out (null detaches) with no node names known, for writing fragments.
    void Attach(TextOut* out);

    bool includeLineBreaks_ = true;
    bool includeTabs_ = true;

    // Walks the tree once, depth first in writing order: refuses cycles and trees too deep to
    // write, counts each node's occurrences and registers its protos.
    void CheckTree(Node& root);

private:
    void Prepare(Node& root, const RouteCollection& routes);
    void WriteRoutes(const RouteCollection& routes);
    // Forgets the nodes of the last tree checked, so nothing is named or shared.
    void ForgetNodes();
    // The name a node is written under (empty for none); the node must be in the tree.
    const std::string& NameOf(const Node& node) const;

    // What the writer knows of one node of the tree.
    struct NodeState {
        const Node* node = nullptr;
        std::string name;      // the DEF or USE name; empty when the node needs none
        bool defined = false;  // has a DEF name of its own
        int count = 1;         // how often the tree holds the node
        bool onPath = false;   // an ancestor of the node being checked: met again, it is a cycle
        bool routed = false;   // the end of a route, so it needs a name
        bool written = false;  // written once already: further occurrences are USE
    };

    TextOut* out_ = nullptr;
    bool firstLine_ = true;
    std::string prefix_;
    std::int16_t prefixDepth_ = 0;
    bool hasPrefix_ = false;
    std::vector<IExternProto*> protos_;
    std::vector<std::string> protoTypes_;
    std::vector<NodeState> nodes_;        // every node of the tree once, in writing order
    std::unique_ptr<NodeIndex> index_;    // each node's position in nodes_
    std::vector<std::uint32_t> visits_;   // the positions in the order the nodes are written
    std::size_t nextVisit_ = 0;           // the next of visits_ that Visit expects
};

// Writes a world into a string; line breaks and TAB indentation can be switched off.
class VRMLStringTraverser final : public Traverser {
public:
    // With line breaks off, lines are joined by one space. On by default.
    bool IncludeLineBreaks() const { return includeLineBreaks_; }
    void SetIncludeLineBreaks(bool on) { includeLineBreaks_ = on; }
    // With tabs off, no TAB indentation is written (leading TABs of node lines are dropped). On by default.
    bool IncludeTabs() const { return includeTabs_; }
    void SetIncludeTabs(bool on) { includeTabs_ = on; }
    // The world as text; raises on a bad route or a value that cannot be written. The header
    // line always ends with a line break (a VRML header runs to the end of its line), as does a
    // comment line (the declaration of a proto without SourceFile); with line breaks off they
    // are the only ones outside string values.
    std::string Write(Node& root, const RouteCollection& routes);
    // The instance text of one node alone (no header, declarations or routes; no DEF/USE sharing).
    // The tree is checked as for a world; a negative tabCount raises kInvalidArgument.
    std::string WriteFragment(Node& node, std::int16_t tabCount = 0);
    // The declaration text (EXTERNPROTO or comment, and its empty line) of one proto node.
    std::string WriteDeclaration(IExternProto& proto);
};

// Writes a world into a file, replacing it atomically (see ReplaceFile: a temporary file beside
// the target, then rename; the old file's permission bits are kept, and a symbolic link is
// written through to its target).
class VRMLFileTraverser final : public Traverser {
public:
    // True when the file was written; false when it could not be, leaving any old file intact.
    // A world that cannot be written (bad route, non-finite value) raises and writes nothing.
    bool Write(const std::filesystem::path& fileName, Node& root, const RouteCollection& routes);
};

}  // namespace holvane
ATRIUM_EXPORT_END
