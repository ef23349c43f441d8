// The numeric formatter with random patterns and values: it must neither crash nor raise.
#include <cstdint>

#include "atrium/number_format.hpp"
#include "fuzz_input.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const bool asFloat = in.Bool();
    const float f = in.Float();
    double d = 0;
    const std::uint64_t bits = static_cast<std::uint64_t>(static_cast<std::uint32_t>(in.Int())) << 32 |
                               static_cast<std::uint32_t>(in.Int());
    std::memcpy(&d, &bits, sizeof d);
    const std::string pattern = in.Rest();
    if (asFloat) (void)atrium::FormatNumber(f, pattern);
    else (void)atrium::FormatNumber(d, pattern);
    (void)atrium::FormatNumber(static_cast<std::int32_t>(bits), pattern);
    return 0;
}
