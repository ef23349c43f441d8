#pragma once
// Starts the user's web browser on an address.
#include <string>

namespace atrium_serve {

// Runs "xdg-open address" found on PATH through posix_spawnp (never a shell), in a process
// group of its own with default signal handling, so a Ctrl-C meant for this program leaves
// the browser running; the child is reaped in the background. Returns the error text when
// the program could not be started, empty when it was.
std::string StartBrowser(const std::string& address);

}  // namespace atrium_serve
