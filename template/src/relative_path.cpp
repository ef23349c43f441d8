#include "atrium/relative_path.hpp"

#include <exception>

#include "holvane/error.hpp"

namespace atrium::AtriumModule {
namespace {

// Raised inside the computation; MakeRelativePath wraps its text.
struct PathFailure {
    const char* message;
};

// Relates two directories by whole components ending in `sep`; both already end in `sep`.
std::string RelateDirectories(const std::string& s, const std::string& d, char sep) {
    // Longest common prefix made of whole components, each ending in a separator. The part
    // before `start` is known to match, so only the next component is compared: linear time.
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = s.find(sep, start);
        if (p == std::string::npos || d.size() < p + 1 ||
            d.compare(start, p + 1 - start, s, start, p + 1 - start) != 0) {
            break;
        }
        start = p + 1;
    }

    // One parent step for every source component after the common prefix. The bound
    // stops short of the final separator, so an empty last component adds no step.
    const char parent[] = {'.', '.', sep, '\0'};
    std::string result;
    std::size_t k = start;
    while (k + 1 < s.size()) {
        const std::size_t p = s.find(sep, k);  // found: s ends in sep
        k = p + 1;
        result += parent;
    }

    result.append(d, start, std::string::npos);
    return result;
}

std::string WithFinal(std::string_view path, char sep) {
    std::string out(path);
    if (out.empty() || out.back() != sep) out += sep;
    return out;
}

std::string Compute(std::string_view source, std::string_view destination) {
    if (!source.empty() && source.front() == '/' && !destination.empty() &&
        destination.front() == '/') {
        return RelateDirectories(WithFinal(source, '/'), WithFinal(destination, '/'), '/');
    }
    if (source.size() < 2 || source[1] != ':') throw PathFailure{"Invalid source drive"};
    if (destination.size() < 2 || destination[1] != ':') {
        throw PathFailure{"Invalid destination drive"};
    }
    if (source[0] != destination[0]) {
        throw PathFailure{"Source and destination drives must match"};
    }
    return RelateDirectories(WithFinal(source, '\\'), WithFinal(destination, '\\'), '\\');
}

}  // namespace

std::string MakeRelativePath(std::string_view source, std::string_view destination) {
    static constexpr const char* kPrefix = "Error making relative path : ";
    try {
        return Compute(source, destination);
    } catch (const PathFailure& failure) {
        throw holvane::Error(holvane::kObjectError, std::string(kPrefix) + failure.message);
    } catch (const std::exception& e) {
        throw holvane::Error(holvane::kObjectError, std::string(kPrefix) + e.what());
    }
}

}  // namespace atrium::AtriumModule
