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
#include <string_view>

#include "atrium/html/write_html.hpp"
#include "data_folders.hpp"
#include "serve_until_stopped.hpp"

namespace fs = std::filesystem;

namespace {

int Usage(std::ostream& out, int status) {
    out << "usage: atrium-view [WORLD.wrl] [--no-open]\n"
           "       atrium-view --html OUT.html WORLD.wrl\n"
           "Serves the world's folder (default: the current folder) on 127.0.0.1 with the installed\n"
           "proto files and viewer page, and opens the world in the default browser, until Ctrl-C.\n"
           "--html writes the world as one HTML file that opens from disk, without a server.\n";
    return status;
}

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
    bool open = true;
    fs::path world, html;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return Usage(std::cout, 0);
        if (arg == "--html") {
            if (i + 1 == argc) return Usage(std::cerr << "atrium-view: --html needs an output file\n", 2);
            html = argv[++i];
        } else if (arg == "--no-open") {
            open = false;
        } else if (arg.starts_with("-") || !world.empty()) {
            std::cerr << "atrium-view: unexpected argument \"" << arg << "\"\n";
            return Usage(std::cerr, 2);
        } else {
            world = arg;
        }
    }

    if (!html.empty()) {
        if (world.empty()) return Usage(std::cerr << "atrium-view: --html needs a world\n", 2);
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
