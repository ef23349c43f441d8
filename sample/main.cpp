// The sample program: builds the sample graphs with fixed settings and sample data, writes
// them into a folder with what a browser needs to show them, names each file it wrote, and
// offers to open it.
//
//   atrium-test [--out FOLDER] [--open | --no-open] [--html] [KIND ...]
//
// FOLDER defaults to the program's own folder; KIND is one of the kinds listed by --help
// (default: all, in the order of the desktop window's buttons). After each file the program
// asks whether to open it when standard input and output are a terminal; --open answers yes and
// --no-open no for every file, and without a terminal the answer is no. Opening serves FOLDER on
// 127.0.0.1 and starts the browser on each chosen world, until Ctrl-C. The exit status is 0
// when every world was written, 1 otherwise. --html also writes each world as a self-contained
// page beside it (NAME.html), which opens from disk without a server.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <string>
#include <string_view>

#include "data_folders.hpp"
#include "graph_builders.hpp"
#include "sample_builds.hpp"
#include "serve_until_stopped.hpp"

namespace fs = std::filesystem;
using namespace atrium_test;

namespace {

enum class OpenChoice { Ask, Open, NoOpen };

int Usage(std::ostream& out, int status) {
    out << "usage: atrium-test [--out FOLDER] [--open | --no-open] [--html] [KIND ...]\n"
           "Writes the sample graphs into FOLDER (default: the program's folder) with the proto\n"
           "files and the viewer page, and offers to open each in the default browser (--open:\n"
           "open all, --no-open: open none; without a terminal none is opened). --html also writes\n"
           "each as one HTML file that opens from disk without a server. Kinds:";
    for (const auto& builder : GraphBuilders()) out << ' ' << builder.name;
    out << "\nOpening serves FOLDER on 127.0.0.1 until Ctrl-C; atrium-view does the same for any world.\n";
    return status;
}

// Asks the question of the message box on the terminal; anything but y or yes is no.
bool AnswerIsYes() {
    std::cout << "Open in default browser? [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    std::transform(answer.begin(), answer.end(), answer.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return answer == "y" || answer == "yes";
}

}  // namespace

int main(int argc, char** argv) {
    fs::path folder = atrium_serve::ProgramFolder();
    OpenChoice choice = OpenChoice::Ask;
    bool html = false;
    std::vector<const GraphBuilder*> chosen;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return Usage(std::cout, 0);
        if (arg == "--out") {
            if (i + 1 == argc) return Usage(std::cerr << "atrium-test: --out needs a folder\n", 2);
            folder = argv[++i];
            continue;
        }
        if (arg == "--html") {
            html = true;
            continue;
        }
        if (arg == "--open" || arg == "--no-open") {
            OpenChoice given = arg == "--open" ? OpenChoice::Open : OpenChoice::NoOpen;
            if (choice != OpenChoice::Ask && choice != given)
                return Usage(std::cerr << "atrium-test: --open and --no-open exclude each other\n", 2);
            choice = given;
            continue;
        }
        auto found = std::find_if(GraphBuilders().begin(), GraphBuilders().end(),
                                  [&](const GraphBuilder& builder) { return builder.name == arg; });
        if (found == GraphBuilders().end()) {
            std::cerr << "atrium-test: unknown argument \"" << arg << "\"\n";
            return Usage(std::cerr, 2);
        }
        chosen.push_back(&*found);
    }
    if (chosen.empty())
        for (const auto& builder : GraphBuilders()) chosen.push_back(&builder);
    // The question needs someone at a terminal to see it and answer it.
    if (choice == OpenChoice::Ask && !(isatty(STDIN_FILENO) && isatty(STDOUT_FILENO))) choice = OpenChoice::NoOpen;

    try {
        SampleBuilds builds(folder);
        int status = 0;
        std::vector<std::string> toOpen;
        for (const GraphBuilder* builder : chosen) {
            try {
                // Built before anything is printed, so a failed build never shows "Created file".
                const fs::path file = builds.Build(*builder);
                std::cout << "Created file " << file.string() << std::endl;
                if (html) std::cout << "Created file " << builds.WriteHtml(file).string() << std::endl;
            } catch (const std::runtime_error& e) {
                std::cerr << e.what() << "\n";
                status = 1;
                continue;
            }
            if (choice == OpenChoice::Open || (choice == OpenChoice::Ask && AnswerIsYes()))
                toOpen.push_back(builder->fileName);
        }
        if (toOpen.empty()) return status;
        return std::max(status, atrium_serve::ServeUntilStopped(atrium_serve::ChartFolders(builds.Folder()), toOpen,
                                                                true, "atrium-test"));
    } catch (const std::runtime_error& e) {
        std::cerr << "atrium-test: " << e.what() << "\n";
        return 1;
    }
}
