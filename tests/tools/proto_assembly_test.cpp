// The proto file assembly: directives expanded with their indentation, interfaces from the
// tables, errors that name the file and line, and the real sources: every one of them used, and
// the staged files exactly what the sources give.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "proto_assembly.hpp"

namespace {

using atrium::protos::Assemble;
using atrium::protos::ReadFile;
using atrium::protos::ProtoTable;

namespace fs = std::filesystem;

constexpr holvane::Declaration kProbe[] = {
    {holvane::FieldKind::exposedField, holvane::FieldType::SFFloat, "size", "0.5"},
    {holvane::FieldKind::field, holvane::FieldType::SFString, "label", "\"\""},
    {holvane::FieldKind::eventIn, holvane::FieldType::MFInt32, "set_index", ""},
};
const ProtoTable kTables[] = {{"qrx_Probe", kProbe}};

// Assembles "main" from the given sources; the error text instead when it fails.
std::string AssembleFrom(const std::map<std::string, std::string>& sources) {
    const auto read = [&](const std::string& path) {
        auto found = sources.find(path);
        if (found == sources.end()) throw std::runtime_error("cannot read " + path);
        return found->second;
    };
    try {
        return Assemble("main", read, kTables);
    } catch (const std::runtime_error& e) {
        return std::string("error: ") + e.what();
    }
}

TEST(ProtoAssembly, ExpandsDirectivesWithTheirIndentation) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> sources;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"plain text stays as it is, last line without a break too",
         {{"main", "#VRML V2.0 utf8\n  # a comment\n\nGroup {}"}},
         "#VRML V2.0 utf8\n  # a comment\n\nGroup {}"},
        {"an include takes the directive's indentation; empty lines stay empty",
         {{"main", "{\n    #include a.js\n}\n"}, {"a.js", "f() {\n\n    g();\n}\n"}},
         "{\n    f() {\n\n        g();\n    }\n}\n"},
        {"an included text without a final line break still ends its line",
         {{"main", "  #include a\nnext\n"}, {"a", "x"}},
         "  x\nnext\n"},
        {"includes nest, indentations add up",
         {{"main", "  #include a\n"}, {"a", "a1\n  #include b\n"}, {"b", "b1\n"}},
         "  a1\n    b1\n"},
        {"an interface from the table, events without an initial value",
         {{"main", "#interface qrx_Probe\n{ Group {} }\n"}},
         "PROTO qrx_Probe [\n    exposedField SFFloat size 0.5\n    field SFString label \"\"\n"
         "    eventIn MFInt32 set_index\n]\n{ Group {} }\n"},
        {"lines that only look like directives are kept",
         {{"main", "#include\n#include a b\n#includes a\nx #include a\n#interface\n"}},
         "#include\n#include a b\n#includes a\nx #include a\n#interface\n"},
        {"an unknown interface names the file and line",
         {{"main", "x\n#include a\n"}, {"a", "\n  #interface qrx_Other\n"}},
         "error: a:2: no proto class named qrx_Other"},
        {"a missing source", {{"main", "#include gone.js\n"}}, "error: cannot read gone.js"},
        {"an include cycle",
         {{"main", "#include a\n"}, {"a", "#include b\n"}, {"b", "#include a\n"}},
         "error: a: includes nested too deeply (does it include itself?)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(AssembleFrom(c.sources), c.expected);
    }
}

// The real sources: the staged files are what the sources give, and every source is used.
TEST(ProtoAssembly, StagedFilesComeFromEverySource) {
    const fs::path sources = fs::path(ATRIUM_SOURCE_DIR) / "protos";
    std::set<std::string> read;
    const auto reader = [&](const std::string& path) {
        read.insert(path);
        return ReadFile(sources / path);
    };
    const auto tables = atrium::protos::AllProtoTables();
    EXPECT_EQ(tables.size(), 26u);
    std::set<std::string> all;
    for (const auto& entry : fs::recursive_directory_iterator(sources))
        if (entry.is_regular_file()) all.insert(fs::relative(entry.path(), sources).generic_string());
    for (const char* name : {"HV_GRAPH.wrl", "HV_UI.wrl", "HV_NAV.wrl"}) {
        SCOPED_TRACE(name);
        const std::string text = Assemble(std::string(name) + ".in", reader, tables);
        EXPECT_EQ(text, Assemble(std::string(name) + ".in", reader, tables)) << "the same sources, the same bytes";
        EXPECT_EQ(text, ReadFile(fs::path(ATRIUM_PROTO_DIR) / name)) << "the staged file is out of date";
        EXPECT_EQ(text.find("#include"), std::string::npos);
        EXPECT_EQ(text.find("#interface"), std::string::npos);
    }
    EXPECT_EQ(read, all) << "a source under protos/ that no proto file includes";
}

}  // namespace
