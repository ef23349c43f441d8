#pragma once
// The threads that serve a world server's connections: one per open connection, up to a cap.
#include <httplib.h>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace atrium_serve {

// A task queue for httplib::Server that starts another thread whenever every thread it has is
// busy, up to cap threads, so a few slow or idle connections never keep others waiting; beyond
// the cap, connections wait for a free thread. Threads stay until shutdown, which runs the
// connections still queued (each one owns its socket) and joins them all.
class ConnectionThreads : public httplib::TaskQueue {
public:
    explicit ConnectionThreads(std::size_t cap) : cap_(cap) {}
    ~ConnectionThreads() override;

    void enqueue(std::function<void()> connection) override;
    void shutdown() override;

private:
    void Work();

    const std::size_t cap_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> waiting_;
    std::vector<std::thread> threads_;
    std::size_t idle_ = 0;  // threads not serving a connection, those still starting included
    bool stopping_ = false;
};

}  // namespace atrium_serve
