#pragma once
// Serving a folder of worlds from the command line until the user stops the program.
#include <string>
#include <vector>

#include "served_folders.hpp"

namespace atrium_serve {

// Serves folders on 127.0.0.1 at a free port until SIGINT or SIGTERM arrives (both are
// blocked in the calling thread and the server's). Prints the served folder and, for each
// world (with none: the page that lists the folder's worlds), its viewer address, and starts
// the browser on it when open is set. Returns 0 once stopped, 1 when it could not serve.
int ServeUntilStopped(ServedFolders folders, const std::vector<std::string>& worlds, bool open,
                      const std::string& program);

}  // namespace atrium_serve
