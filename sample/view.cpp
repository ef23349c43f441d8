// Shows a world in the default browser:
//
//   atrium-view [WORLD.wrl] [--no-open]
//
// Serves the world's folder on 127.0.0.1 at a free port, with the installed proto files,
// viewer page and X_ITE runtime standing in for those missing beside the world (so a world
// written with an empty proto path opens as it is), and starts the browser on the viewer's
// address for the world. Without a world it serves the current folder, whose page lists its
// worlds. --no-open only prints the address. Serves until Ctrl-C.
#include <filesystem>
#include <iostream>
#include <string_view>

#include "data_folders.hpp"
#include "serve_until_stopped.hpp"

namespace fs = std::filesystem;

namespace {

int Usage(std::ostream& out, int status) {
    out << "usage: atrium-view [WORLD.wrl] [--no-open]\n"
           "Serves the world's folder (default: the current folder) on 127.0.0.1 with the installed\n"
           "proto files and viewer page, and opens the world in the default browser, until Ctrl-C.\n";
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    bool open = true;
    fs::path world;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return Usage(std::cout, 0);
        if (arg == "--no-open") {
            open = false;
        } else if (arg.starts_with("-") || !world.empty()) {
            std::cerr << "atrium-view: unexpected argument \"" << arg << "\"\n";
            return Usage(std::cerr, 2);
        } else {
            world = arg;
        }
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
