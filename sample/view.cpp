// Shows a world in the default browser:
//
//   atrium-view [WORLD.wrl] [--no-open]
//   atrium-view --html OUT.html WORLD.wrl
//
// Serves the world's folder on 127.0.0.1 at a free port, with the installed proto files,
// viewer page and X_ITE runtime standing in for those missing beside the world (so a world
// written with an empty proto path opens as it is), and starts the browser on the viewer's
// address for the world. Without a world it serves the current folder, whose page lists its
// worlds. --no-open only prints the address. Serves until Ctrl-C.
//
// --html writes the world as one self-contained page instead (the viewer page with the world,
// its proto files and X_ITE inside), which opens from disk with no server, and exits.
#include <filesystem>
#include <iostream>

#include "atrium/html/write_html.hpp"
#include "command_line.hpp"
#include "data_folders.hpp"
#include "serve_until_stopped.hpp"

namespace fs = std::filesystem;

namespace {

// Writes the world as a self-contained page; 0 when written, 1 (with the reason) otherwise.
int WriteHtml(const fs::path& out, const fs::path& world) {
    try {
        atrium::html::WriteHtmlFile(out, world, atrium_serve::DataFolder("protos"), atrium_serve::DataFolder("viewer"));
    } catch (const std::exception& e) {
        std::cerr << "atrium-view: " << e.what() << "\n";
        return 1;
    }
    std::cout << "Created file " << out.string() << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const atrium_cli::ProgramUsage usage(
        "atrium-view",
        "usage: atrium-view [WORLD.wrl] [--no-open]\n"
        "       atrium-view --html OUT.html WORLD.wrl\n"
        "Serves the world's folder (default: the current folder) on 127.0.0.1 with the installed\n"
        "proto files and viewer page, and opens the world in the default browser, until Ctrl-C.\n"
        "--html writes the world as one HTML file that opens from disk, without a server.\n");
    auto parsed = usage.Parse(argc, argv, {{"--no-open"}, {"--html", true}});
    if (const int* status = std::get_if<int>(&parsed)) return *status;
    const atrium_cli::CommandLine& line = std::get<atrium_cli::CommandLine>(parsed);
    if (line.operands.size() > 1) return usage.Refuse("one world at most, not \"" + line.operands[1] + "\" too");
    const bool open = !line.Has("--no-open");
    const fs::path world = line.operands.empty() ? fs::path() : fs::path(line.operands.front());
    const fs::path html = line.Value("--html").value_or("");

    if (!html.empty()) {
        if (world.empty()) return usage.Refuse("--html needs a world");
        return WriteHtml(html, world);
    }

    std::error_code ec;
    fs::path folder = fs::current_path(ec);
    std::vector<std::string> worlds;
    if (!world.empty()) {
        if (!fs::is_regular_file(world, ec)) {
            std::cerr << "atrium-view: no world file " << world.string() << "\n";
            return 1;
        }
        // A world reached through a symbolic link is served from the folder it really is in.
        fs::path real = fs::canonical(world, ec);
        folder = real.parent_path();
        worlds.push_back(real.filename().string());
    }
    if (ec) {
        std::cerr << "atrium-view: " << ec.message() << "\n";
        return 1;
    }
    return atrium_serve::ServeUntilStopped(atrium_serve::ChartFolders(folder), worlds, open, "atrium-view");
}
