// The sample program: builds the sample graphs with fixed settings and sample data, writes
// them into a folder with what a browser needs to show them, names each file it wrote, and
// offers to open it.
//
//   atrium-test [--out FOLDER] [--open | --no-open] [--html] [KIND ...]
//
// FOLDER defaults to atrium-worlds in the current folder; KIND is one of the kinds listed by --help
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

#include "command_line.hpp"
#include "data_folders.hpp"
#include "graph_builders.hpp"
#include "sample_builds.hpp"
#include "serve_until_stopped.hpp"

namespace fs = std::filesystem;
using namespace atrium_test;

namespace {

enum class OpenChoice { Ask, Open, NoOpen };

std::string UsageText() {
    std::string text =
        "usage: atrium-test [--out FOLDER] [--open | --no-open] [--html] [KIND ...]\n"
        "Writes the sample graphs into FOLDER (default: atrium-worlds in the current folder) with\n"
        "the proto files and the viewer page, and offers to open each in the default browser\n"
        "(--open: open all, --no-open: open none; without a terminal none is opened). --html also\n"
        "writes each as one HTML file that opens from disk without a server. Kinds:";
    for (const auto& builder : GraphBuilders()) text += " " + builder.name;
    return text + "\nOpening serves FOLDER on 127.0.0.1 until Ctrl-C; atrium-view does the same for any world.\n";
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
    const atrium_cli::ProgramUsage usage("atrium-test", UsageText());
    auto parsed = usage.Parse(argc, argv, {{"--out", true}, {"--open"}, {"--no-open"}, {"--html"}});
    if (const int* status = std::get_if<int>(&parsed)) return *status;
    const atrium_cli::CommandLine& line = std::get<atrium_cli::CommandLine>(parsed);

    const fs::path folder = line.Value("--out").value_or(DefaultOutputFolder().string());
    if (line.Has("--open") && line.Has("--no-open")) return usage.Refuse("--open and --no-open exclude each other");
    OpenChoice choice = line.Has("--open") ? OpenChoice::Open : line.Has("--no-open") ? OpenChoice::NoOpen : OpenChoice::Ask;
    const bool html = line.Has("--html");
    std::vector<const GraphBuilder*> chosen;
    for (const std::string& kind : line.operands) {
        auto found = std::find_if(GraphBuilders().begin(), GraphBuilders().end(),
                                  [&](const GraphBuilder& builder) { return builder.name == kind; });
        if (found == GraphBuilders().end()) return usage.Refuse("unknown kind \"" + kind + "\"");
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
