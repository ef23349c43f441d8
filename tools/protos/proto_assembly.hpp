#pragma once
// Builds the proto files from their sources: one file per PROTO body, shared fragments, and the
// PROTO interfaces written from the declaration tables of the proto node classes.
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "holvane/node.hpp"

namespace atrium::protos {

// One proto node class: its name and its declaration table.
struct ProtoTable {
    std::string_view name;
    std::span<const holvane::Declaration> declarations;
};

// The tables of every proto the library's classes declare (graph, user-interface, navigation).
std::vector<ProtoTable> AllProtoTables();

// "PROTO Name [", one line per declaration ("    kind Type name initial", events without an
// initial value) and "]", each line ending in a line break.
std::string InterfaceText(const ProtoTable& table);

// The bytes of a file; throws std::runtime_error ("cannot read PATH") when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// Returns the text of a source file given its path relative to the sources' folder; throws
// std::runtime_error when it cannot be read.
using SourceReader = std::function<std::string(const std::string& path)>;

// The text of the source at path with its directives expanded. A line that holds only
// "#include PATH" becomes the text of source PATH (expanded in turn), and one that holds only
// "#interface NAME" becomes the interface of table NAME; either is indented as the directive
// line is. Every other line is kept as it is. Throws std::runtime_error naming the file and
// line of an unknown interface, an include nested too deeply (a cycle) or an unreadable source.
std::string Assemble(const std::string& path, const SourceReader& read, std::span<const ProtoTable> tables);

}  // namespace atrium::protos
