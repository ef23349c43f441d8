#pragma once
// An HTTP server on 127.0.0.1 for a folder of worlds and the viewer page, on a thread of its own.
#include <atomic>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "served_folders.hpp"

namespace httplib {
class Server;
}

namespace atrium_serve {

// Serves GET and HEAD for the files of ServedFolders (404 for anything else or outside them),
// and GET /worlds.json: a JSON array of the served folder's world names, sorted, for the
// viewer page's list of worlds. Requests naming another host than a loopback one with the served
// port get 403. Files are streamed, one byte range at most (file_reply.hpp); each connection gets
// a thread of its own (up to a cap) and a read timeout, so slow clients keep no one else waiting.
class WorldServer {
public:
    explicit WorldServer(ServedFolders folders);
    ~WorldServer();  // stops serving
    WorldServer(const WorldServer&) = delete;
    WorldServer& operator=(const WorldServer&) = delete;

    // Binds 127.0.0.1 at a free port and starts serving; throws std::runtime_error when it cannot.
    void Start();
    // Stops serving and waits for the server's thread; does nothing when not started.
    void Stop();

    int Port() const { return port_; }
    const ServedFolders& Folders() const { return folders_; }

    // "http://127.0.0.1:PORT/index.html?world=WORLD" (WORLD percent-encoded); without a world
    // the page alone, which lists the folder's worlds.
    std::string ViewerAddress(std::string_view world = {}) const;

private:
    ServedFolders folders_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    std::atomic<bool> ended_ = false;  // the server's thread has finished listening
    int port_ = 0;
    int listening_ = -1;  // the listening socket, once bound
};

// text as a JSON string literal, quotes included.
std::string JsonString(std::string_view text);

// text with every byte but the unreserved ones of a URL written as %XX.
std::string PercentEncoded(std::string_view text);

}  // namespace atrium_serve
