// The sample program: builds the sample graphs with fixed settings and sample data, writes
// them into a folder with what a browser needs to show them, and names each file it wrote.
//
//   atrium-test [--out FOLDER] [KIND ...]
//
// FOLDER defaults to the program's own folder; KIND is one of the kinds listed by --help
// (default: all). The exit status is 0 when every world was written, 1 otherwise.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string_view>

#include "atrium/template_ctl.hpp"
#include "graph_builders.hpp"
#include "staging.hpp"

namespace fs = std::filesystem;
using namespace atrium_test;

namespace {

int Usage(std::ostream& out, int status) {
    out << "usage: atrium-test [--out FOLDER] [KIND ...]\n"
           "Writes the sample graphs into FOLDER (default: the program's folder) with the proto\n"
           "files and the viewer page. Kinds:";
    for (const auto& builder : GraphBuilders()) out << ' ' << builder.name;
    out << "\nServe FOLDER over HTTP on 127.0.0.1 and open index.html?world=FILE to look at a world.\n";
    return status;
}

fs::path ProgramFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    fs::path folder = ProgramFolder();
    std::vector<const GraphBuilder*> chosen;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return Usage(std::cout, 0);
        if (arg == "--out" && i + 1 < argc) {
            folder = argv[++i];
            continue;
        }
        const GraphBuilder* found = nullptr;
        for (const auto& builder : GraphBuilders())
            if (builder.name == arg) found = &builder;
        if (!found) {
            std::cerr << "atrium-test: unknown argument \"" << arg << "\"\n";
            return Usage(std::cerr, 2);
        }
        chosen.push_back(found);
    }
    if (chosen.empty())
        for (const auto& builder : GraphBuilders()) chosen.push_back(&builder);

    try {
        fs::create_directories(folder);
        StageViewer(folder);
    } catch (const std::exception& e) {
        std::cerr << "atrium-test: cannot prepare " << folder.string() << ": " << e.what() << "\n";
        return 1;
    }

    // The control the graphs come from; the proto files stand beside the worlds.
    atrium::AtriumTemplateCtl control;
    control.SetRelativeProtoPath("");
    SampleRandom random;
    int status = 0;
    for (const GraphBuilder* builder : chosen) {
        fs::path file = folder / builder->fileName;
        try {
            if (builder->build(*control.CreateFactory(), random, file)) {
                std::cout << "Created file " << file.string() << "\n";
                continue;
            }
            std::cerr << "Could not write " << file.string() << "\n";
        } catch (const std::exception& e) {
            std::cerr << "Could not build " << file.string() << ": " << e.what() << "\n";
        }
        status = 1;
    }
    return status;
}
