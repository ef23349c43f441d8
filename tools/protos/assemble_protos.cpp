// The build's proto file step.
//   assemble_protos SOURCE_DIR OUT_DIR NAME...  writes OUT_DIR/NAME from SOURCE_DIR/NAME.in with
//                                               its directives expanded (see proto_assembly.hpp)
//                                               (a file already holding that text keeps its bytes)
//   assemble_protos --interfaces                prints the PROTO interface of every proto class
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "proto_assembly.hpp"

namespace fs = std::filesystem;
using atrium::protos::ReadFile;

namespace {

// Writes text to path through a temporary file beside it; a file that already holds the text is
// only marked as new, so the build sees the step done without its dependants changing bytes.
void WriteIfChanged(const fs::path& path, const std::string& text) {
    std::error_code ec;
    if (fs::exists(path, ec) && ReadFile(path) == text) {
        fs::last_write_time(path, fs::file_time_type::clock::now());
        return;
    }
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) throw std::runtime_error("cannot write " + temporary.string());
    }
    fs::rename(temporary, path);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const auto tables = atrium::protos::AllProtoTables();
        if (argc == 2 && std::string(argv[1]) == "--interfaces") {
            for (const auto& table : tables) std::fputs((atrium::protos::InterfaceText(table) + "\n").c_str(), stdout);
            return 0;
        }
        if (argc < 4) {
            std::fputs("usage: assemble_protos SOURCE_DIR OUT_DIR NAME... | --interfaces\n", stderr);
            return 2;
        }
        const fs::path source = argv[1], out = argv[2];
        fs::create_directories(out);
        const auto read = [&](const std::string& path) { return ReadFile(source / path); };
        for (int i = 3; i < argc; ++i) {
            const std::string name = argv[i];
            WriteIfChanged(out / name, atrium::protos::Assemble(name + ".in", read, tables));
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assemble_protos: %s\n", e.what());
        return 1;
    }
}
