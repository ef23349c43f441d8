// Writes a world as one HTML file that opens from disk, with no server and no network:
//
//   atrium-html-example WORLD.wrl OUT.html PROTO_DIR VIEWER_DIR
//
// PROTO_DIR holds the proto files (share/atrium/protos of an installed tree) and VIEWER_DIR
// the viewer page with X_ITE (share/atrium/viewer). A world built in memory goes through
// atrium::html::WriteHtml (its text, from ExportToString) and atrium::html::SaveHtml instead.
#include <atrium/html/write_html.hpp>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: atrium-html-example WORLD.wrl OUT.html PROTO_DIR VIEWER_DIR\n";
        return 2;
    }
    try {
        atrium::html::WriteHtmlFile(argv[2], argv[1], argv[3], argv[4]);
    } catch (const atrium::html::HtmlError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    std::cout << "Created file " << argv[2] << "\n";
    return 0;
}
