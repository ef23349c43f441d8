// MakeRelativePath with random paths: only the library's error, and a result that leads from
// the source to the destination (the source's parent steps, then the destination's rest).
#include <cstdint>
#include <cstdlib>

#include "atrium/relative_path.hpp"
#include "fuzz_input.hpp"
#include "holvane/error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::string source = in.Text();
    const std::string destination = in.Rest();
    try {
        const std::string result = atrium::AtriumModule::MakeRelativePath(source, destination);
        const char sep = source.front() == '/' ? '/' : '\\';
        if (!result.empty() && result.back() != sep) std::abort();
        if (source == destination && !result.empty()) std::abort();
    } catch (const holvane::Error& e) {
        if (e.number() != holvane::kObjectError) std::abort();
    }
    return 0;
}
