#include "proto_assembly.hpp"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "holvane/graph/graph_protos.hpp"
#include "holvane/ui_nodes.hpp"

namespace atrium::protos {

namespace {

// Includes nest this deep at most; deeper means a file includes itself.
constexpr int kMaxDepth = 16;

// The text with indent put before every line that is not empty.
std::string Indented(std::string_view text, std::string_view indent) {
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        const std::string_view line = text.substr(start, end - start);
        if (line != "\n") out += indent;
        out += line;
        start = end;
    }
    return out;
}

// The argument of a directive line ("#include x" gives "x" for "#include"), or empty.
std::string_view Argument(std::string_view body, std::string_view directive) {
    if (body.substr(0, directive.size()) != directive || body.size() <= directive.size() + 1 ||
        body[directive.size()] != ' ')
        return {};
    std::string_view arg = body.substr(directive.size() + 1);
    return arg.find_first_of(" \t") == std::string_view::npos ? arg : std::string_view{};
}

void Expand(const std::string& path, const SourceReader& read, std::span<const ProtoTable> tables, int depth,
            std::string& out) {
    if (depth > kMaxDepth) throw std::runtime_error(path + ": includes nested too deeply (does it include itself?)");
    const std::string text = read(path);
    std::size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool lastLine = end == std::string::npos;
        end = lastLine ? text.size() : end;
        const std::string_view line(text.data() + start, end - start);
        ++number;
        const std::size_t bodyAt = line.find_first_not_of(" \t");
        const std::string_view indent = line.substr(0, bodyAt == std::string_view::npos ? line.size() : bodyAt);
        const std::string_view body = line.substr(indent.size());
        const std::string where = path + ":" + std::to_string(number) + ": ";
        if (auto included = Argument(body, "#include"); !included.empty()) {
            std::string inner;
            Expand(std::string(included), read, tables, depth + 1, inner);
            if (!inner.empty() && inner.back() != '\n') inner += '\n';
            out += Indented(inner, indent);
        } else if (auto name = Argument(body, "#interface"); !name.empty()) {
            const ProtoTable* table = nullptr;
            for (const auto& t : tables)
                if (t.name == name) table = &t;
            if (!table) throw std::runtime_error(where + "no proto class named " + std::string(name));
            out += Indented(InterfaceText(*table), indent);
        } else {
            out.append(line);
            if (!lastLine) out += '\n';
        }
        start = end + 1;
    }
}

}  // namespace

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<ProtoTable> AllProtoTables() {
#define ATRIUM_PROTO_TABLE(Class, LIST) ProtoTable{Class::kName, Class::kDeclarations},
    using namespace holvane;
    using namespace holvane::graph;
    return {HOLVANE_GRAPH_PROTOS(ATRIUM_PROTO_TABLE) HOLVANE_UI_PROTOS(ATRIUM_PROTO_TABLE)
                HOLVANE_NAV_PROTOS(ATRIUM_PROTO_TABLE)};
#undef ATRIUM_PROTO_TABLE
}

std::string InterfaceText(const ProtoTable& table) {
    std::string text = "PROTO " + std::string(table.name) + " [\n";
    for (const holvane::Declaration& d : table.declarations) {
        text.append("    ").append(holvane::KindName(d.kind)).append(" ").append(holvane::TypeName(d.type));
        text.append(" ").append(d.name);
        if (!d.initial.empty()) text.append(" ").append(d.initial);
        text += '\n';
    }
    return text + "]\n";
}

std::string Assemble(const std::string& path, const SourceReader& read, std::span<const ProtoTable> tables) {
    std::string out;
    Expand(path, read, tables, 0, out);
    return out;
}

}  // namespace atrium::protos
