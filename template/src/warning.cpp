#include "atrium/warning.hpp"

#include <cstdio>
#include <mutex>
#include <string>
#include <utility>

namespace atrium {
namespace {

void WriteToStandardError(std::string_view title, std::string_view text) {
    std::string line;
    line.reserve(title.size() + text.size() + 3);
    line.append(title).append(": ").append(text).push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

// The handler and the lock that guards it; handlers run outside the lock.
struct Current {
    std::mutex lock;
    WarningHandler handler = WriteToStandardError;
};

Current& TheCurrent() {
    static Current current;
    return current;
}

}  // namespace

WarningHandler SetWarningHandler(WarningHandler handler) {
    if (!handler) handler = WriteToStandardError;
    Current& current = TheCurrent();
    const std::lock_guard<std::mutex> guard(current.lock);
    return std::exchange(current.handler, std::move(handler));
}

void ShowWarning(std::string_view title, std::string_view text) {
    // A copy, so that a handler that replaces itself while it runs stays alive until it returns,
    // and another thread may replace it meanwhile.
    const WarningHandler handler = [] {
        Current& current = TheCurrent();
        const std::lock_guard<std::mutex> guard(current.lock);
        return current.handler;
    }();
    handler(title, text);
}

}  // namespace atrium
