// The assembled proto files against the declaration tables: every PROTO of HV_GRAPH.wrl,
// HV_UI.wrl and HV_NAV.wrl must declare exactly what its C++ class declares (kinds, types, names,
// order and defaults), and each file must hold exactly the protos of its tables besides its own
// helpers (protos whose names do not start with "qrx_", which worlds never name). The comparison
// is also run on altered copies of the files, so a drift on either side cannot slip through.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "holvane/graph/graph_protos.hpp"
#include "holvane/holvane.hpp"
#include "vrml_reader.hpp"

namespace {

using holvane::Declaration;

// One proto class: its name and its declaration table.
struct Table {
    std::string_view name;
    std::span<const Declaration> declarations;
};

#define ATRIUM_TABLE(Class, LIST) Table{Class::kName, Class::kDeclarations},

std::vector<Table> GraphTables() {
    using namespace holvane::graph;
    return {HOLVANE_GRAPH_PROTOS(ATRIUM_TABLE)};
}
std::vector<Table> UITables() {
    using namespace holvane;
    return {HOLVANE_UI_PROTOS(ATRIUM_TABLE)};
}
std::vector<Table> NavTables() {
    using namespace holvane;
    return {HOLVANE_NAV_PROTOS(ATRIUM_TABLE)};
}

#undef ATRIUM_TABLE

std::string ReadProtoFile(std::string_view name) {
    const std::string path = std::string(ATRIUM_PROTO_DIR) + "/" + std::string(name);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A table as the reader sees a PROTO interface: the table is written out as PROTO text and read
// back, so both sides go through the same tokenizing.
vrml_reader::Proto AsProto(const Table& table) {
    std::string text = "#VRML V2.0 utf8\nPROTO " + std::string(table.name) + " [\n";
    for (const auto& d : table.declarations) {
        text += std::string(holvane::KindName(d.kind)) + " " + std::string(holvane::TypeName(d.type)) + " " +
                std::string(d.name) + " " + std::string(d.initial) + "\n";
    }
    text += "] { Group {} }\n";
    auto world = vrml_reader::Read(text);
    return world.protos.at(0);
}

bool IsFloatType(std::string_view type) {
    for (std::string_view t : {"SFFloat", "SFColor", "SFVec2f", "SFVec3f", "SFRotation", "SFTime", "MFFloat",
                               "MFColor", "MFVec2f", "MFVec3f", "MFRotation", "MFTime"})
        if (type == t) return true;
    return false;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// Two defaults of a type, compared as values: floats as single floats ("0.10" equals "0.1"),
// everything else token by token.
bool SameDefault(std::string_view type, const std::string& a, const std::string& b) {
    if (!IsFloatType(type) || a == "[]" || b == "[]") return a == b;
    auto wa = Words(a), wb = Words(b);
    if (wa.size() != wb.size()) return false;
    for (std::size_t i = 0; i < wa.size(); ++i) {
        char* endA = nullptr;
        char* endB = nullptr;
        const float fa = std::strtof(wa[i].c_str(), &endA);
        const float fb = std::strtof(wb[i].c_str(), &endB);
        if (*endA != '\0' || *endB != '\0' || fa != fb) return false;
    }
    return true;
}

// Worlds name the protos whose names start with "qrx_"; the others are a file's own helpers.
bool IsPublicName(std::string_view name) { return name.substr(0, 4) == "qrx_"; }

std::string Describe(const vrml_reader::Declaration& d) {
    return d.kind + " " + d.type + " " + d.name + (d.initial.empty() ? "" : " " + d.initial);
}

// Every difference between the PROTOs of a proto file's text and the tables, one line each;
// empty when they agree.
std::vector<std::string> Differences(const std::string& fileText, const std::vector<Table>& tables) {
    std::vector<std::string> out;
    vrml_reader::World world;
    try {
        world = vrml_reader::Read(fileText);
    } catch (const std::exception& e) {
        return {std::string("unreadable: ") + e.what()};
    }
    std::set<std::string> seen;
    for (const auto& proto : world.protos) {
        if (!seen.insert(proto.name).second) out.push_back(proto.name + ": defined twice");
        bool known = !IsPublicName(proto.name);
        for (const auto& t : tables) known = known || t.name == proto.name;
        if (!known) out.push_back(proto.name + ": no such class");
    }
    for (const auto& table : tables) {
        const vrml_reader::Proto* found = nullptr;
        for (const auto& proto : world.protos)
            if (proto.name == table.name) found = &proto;
        const std::string name(table.name);
        if (!found) {
            out.push_back(name + ": missing from the file");
            continue;
        }
        const auto expected = AsProto(table);
        const auto& want = expected.declarations;
        const auto& have = found->declarations;
        if (want.size() != have.size())
            out.push_back(name + ": " + std::to_string(have.size()) + " declarations, the class has " +
                          std::to_string(want.size()));
        for (std::size_t i = 0; i < std::min(want.size(), have.size()); ++i) {
            const auto& w = want[i];
            const auto& h = have[i];
            if (w.kind != h.kind || w.type != h.type || w.name != h.name || !SameDefault(w.type, w.initial, h.initial))
                out.push_back(name + " #" + std::to_string(i + 1) + ": file has \"" + Describe(h) +
                              "\", class has \"" + Describe(w) + "\"");
        }
    }
    return out;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += "  " + l + "\n";
    return text;
}

struct ProtoFile {
    std::string_view name;
    std::vector<Table> tables;
};

std::vector<ProtoFile> ProtoFiles() {
    return {{"HV_GRAPH.wrl", GraphTables()}, {"HV_UI.wrl", UITables()}, {"HV_NAV.wrl", NavTables()}};
}

TEST(ProtoFiles, EveryProtoMatchesItsDeclarationTable) {
    std::size_t protos = 0;
    for (const auto& file : ProtoFiles()) {
        const auto text = ReadProtoFile(file.name);
        const auto differences = Differences(text, file.tables);
        EXPECT_TRUE(differences.empty()) << file.name << ":\n" << Joined(differences);
        const auto world = vrml_reader::Read(text);
        const auto publicProtos = std::count_if(world.protos.begin(), world.protos.end(),
                                                [](const auto& proto) { return IsPublicName(proto.name); });
        EXPECT_EQ(static_cast<std::size_t>(publicProtos), file.tables.size()) << file.name;
        EXPECT_TRUE(world.externProtos.empty()) << file.name << " must define its protos itself";
        EXPECT_TRUE(world.nodes.empty()) << file.name << " must hold only PROTOs";
        protos += file.tables.size();
    }
    EXPECT_EQ(protos, 26u);
}

// A change to one side only must show up as a difference naming the proto and what changed.
TEST(ProtoFiles, DriftOnEitherSideIsReported) {
    struct Case {
        const char* what;
        std::string_view file;
        std::string from, to;  // the first occurrence of `from` after `after` becomes `to`
        std::string after;
        std::string expected;  // a part of the report; empty: no difference
    };
    const std::vector<Case> cases = {
        {"same float, other spelling", "HV_GRAPH.wrl", "field SFFloat bevelRadius 0.1",
         "field SFFloat bevelRadius 0.10", "PROTO qrx_RoundedColumnSeries", ""},
        {"same colour, other spelling", "HV_UI.wrl", "color 0.8 0.8 0.8", "color .8 0.80 8e-1", "PROTO qrx_CheckBox",
         ""},
        {"changed float default", "HV_GRAPH.wrl", "field SFFloat bevelRadius 0.1", "field SFFloat bevelRadius 0.2",
         "PROTO qrx_RoundedColumnSeries", "qrx_RoundedColumnSeries #8"},
        {"changed string default", "HV_GRAPH.wrl", "allignment \"TOP\"", "allignment \"RIGHT\"",
         "PROTO qrx_PopupSurface", "qrx_PopupSurface #11"},
        {"changed bool default", "HV_UI.wrl", "contentsExist TRUE", "contentsExist FALSE", "PROTO qrx_ContentToggle",
         "qrx_ContentToggle #2"},
        {"changed list default", "HV_GRAPH.wrl", "MFInt32 xMask []", "MFInt32 xMask [ 1 ]",
         "PROTO qrx_ElevationWireframe", "qrx_ElevationWireframe #7"},
        {"changed kind", "HV_NAV.wrl", "exposedField MFString parameter", "field MFString parameter",
         "PROTO qrx_Router", "qrx_Router #2"},
        {"changed type", "HV_GRAPH.wrl", "field SFInt32 rowCount 2", "field SFFloat rowCount 2",
         "PROTO qrx_BlockChart", "qrx_BlockChart #10"},
        {"renamed event", "HV_GRAPH.wrl", "eventOut SFInt32 mouseClickedIndex", "eventOut SFInt32 mouseClickIndex",
         "PROTO qrx_ConeCollection", "qrx_ConeCollection #28"},
        {"two declarations swapped", "HV_GRAPH.wrl", "eventIn SFFloat set_angle\n    eventIn SFFloat set_height",
         "eventIn SFFloat set_height\n    eventIn SFFloat set_angle", "PROTO qrx_RoundedPieSlice",
         "qrx_RoundedPieSlice #7"},
        {"declaration dropped", "HV_GRAPH.wrl", "    eventOut MFString captions_changed\n", "",
         "PROTO qrx_PieChart", "qrx_PieChart: 15 declarations, the class has 16"},
        {"declaration added", "HV_UI.wrl", "exposedField SFInt32 value 0\n",
         "exposedField SFInt32 value 0\n    eventOut SFInt32 value_pending\n", "PROTO qrx_Slider",
         "qrx_Slider: 6 declarations, the class has 5"},
        {"proto renamed", "HV_GRAPH.wrl", "PROTO qrx_Legend [", "PROTO qrx_Legends [", "",
         "qrx_Legend: missing from the file"},
        {"proto renamed, extra name", "HV_GRAPH.wrl", "PROTO qrx_Legend [", "PROTO qrx_Legends [", "",
         "qrx_Legends: no such class"},
        {"helper proto beside the classes", "HV_NAV.wrl", "PROTO qrx_Router [",
         "PROTO hv_Helper [ ] { Group {} }\nPROTO qrx_Router [", "", ""},
        {"helper proto defined twice", "HV_GRAPH.wrl", "PROTO qrx_Legend [",
         "PROTO hv_PopupPanel [ ] { Group {} }\nPROTO qrx_Legend [", "", "hv_PopupPanel: defined twice"},
        {"proto defined twice", "HV_NAV.wrl", "PROTO qrx_Router [",
         "PROTO qrx_Router [ ] { Group {} }\nPROTO qrx_Router [", "", "qrx_Router: defined twice"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Table> tables;
        for (auto& f : ProtoFiles())
            if (f.name == c.file) tables = f.tables;
        std::string text = ReadProtoFile(c.file);
        const auto start = c.after.empty() ? 0 : text.find(c.after);
        ASSERT_NE(start, std::string::npos);
        const auto at = text.find(c.from, start);
        ASSERT_NE(at, std::string::npos) << c.from;
        text.replace(at, c.from.size(), c.to);
        const auto differences = Differences(text, tables);
        if (c.expected.empty()) {
            EXPECT_TRUE(differences.empty()) << Joined(differences);
        } else {
            ASSERT_FALSE(differences.empty());
            const auto report = Joined(differences);
            EXPECT_NE(report.find(c.expected), std::string::npos) << report;
        }
    }
}

// The table side: a table that no longer matches the file is reported too.
TEST(ProtoFiles, ChangedTablesAreReported) {
    const auto text = ReadProtoFile("HV_UI.wrl");
    auto tables = UITables();
    // qrx_CheckBox without its last declaration, and with a different default for size.
    std::vector<Declaration> shorter(tables[1].declarations.begin(), tables[1].declarations.end() - 1);
    std::vector<Declaration> resized(tables[1].declarations.begin(), tables[1].declarations.end());
    resized[0].initial = "0.6";
    auto changed = tables;
    changed[1].declarations = shorter;
    EXPECT_NE(Joined(Differences(text, changed)).find("qrx_CheckBox: 3 declarations, the class has 2"),
              std::string::npos);
    changed[1].declarations = resized;
    EXPECT_NE(Joined(Differences(text, changed)).find("qrx_CheckBox #1"), std::string::npos);
    // A class with no PROTO in the file.
    changed = tables;
    changed.push_back(NavTables()[0]);
    EXPECT_NE(Joined(Differences(text, changed)).find("qrx_Router: missing from the file"), std::string::npos);
}

}  // namespace
