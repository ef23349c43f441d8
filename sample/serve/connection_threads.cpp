#include "connection_threads.hpp"

#include <system_error>

namespace atrium_serve {

ConnectionThreads::~ConnectionThreads() { shutdown(); }

void ConnectionThreads::enqueue(std::function<void()> connection) {
    {
        std::lock_guard lock(mutex_);
        waiting_.push_back(std::move(connection));
        if (idle_ < waiting_.size() && threads_.size() < cap_) {
            try {
                threads_.emplace_back([this] { Work(); });
                ++idle_;
            } catch (const std::system_error&) {
                // No more threads for now: the connection waits for one that is running.
            }
        }
    }
    ready_.notify_one();
}

void ConnectionThreads::shutdown() {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        stopping_ = true;
    }
    ready_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

void ConnectionThreads::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        ready_.wait(lock, [this] { return !waiting_.empty() || stopping_; });
        if (waiting_.empty()) return;
        std::function<void()> connection = std::move(waiting_.front());
        waiting_.pop_front();
        --idle_;
        lock.unlock();
        connection();
        lock.lock();
        ++idle_;
    }
}

}  // namespace atrium_serve
