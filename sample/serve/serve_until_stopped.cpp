#include "serve_until_stopped.hpp"

#include <pthread.h>
#include <signal.h>

#include <iostream>

#include "browser_launch.hpp"
#include "world_server.hpp"

namespace atrium_serve {

int ServeUntilStopped(ServedFolders folders, const std::vector<std::string>& worlds, bool open,
                      const std::string& program) {
    // Blocked before the server's threads exist, so they inherit the mask and only sigwait sees them.
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);

    WorldServer server(std::move(folders));
    try {
        server.Start();
    } catch (const std::exception& e) {
        std::cerr << program << ": " << e.what() << "\n";
        return 1;
    }
    std::cout << "Serving " << server.Folders().Folder().string() << " at http://127.0.0.1:" << server.Port()
              << "/ until Ctrl-C\n";
    std::vector<std::string> pages = worlds.empty() ? std::vector<std::string>{""} : worlds;
    for (const std::string& world : pages) {
        std::string address = server.ViewerAddress(world);
        std::cout << address << std::endl;
        if (!open) continue;
        if (std::string error = StartBrowser(address); !error.empty())
            std::cerr << program << ": could not start xdg-open (" << error << "); open the address above in a browser\n";
    }

    int received = 0;
    sigwait(&stop, &received);
    server.Stop();
    return 0;
}

}  // namespace atrium_serve
