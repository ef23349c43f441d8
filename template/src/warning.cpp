#include "atrium/warning.hpp"

#include <cstdio>
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

WarningHandler& Current() {
    static WarningHandler handler = WriteToStandardError;
    return handler;
}

}  // namespace

WarningHandler SetWarningHandler(WarningHandler handler) {
    if (!handler) handler = WriteToStandardError;
    return std::exchange(Current(), std::move(handler));
}

void ShowWarning(std::string_view title, std::string_view text) {
    // A copy, so that a handler that replaces itself while it runs stays alive until it returns.
    const WarningHandler handler = Current();
    handler(title, text);
}

}  // namespace atrium
