#pragma once
// The sample data's random numbers: one generator that is never seeded, so every run of the
// program produces the same sequence.
#include <random>

namespace atrium_test {

// Uniform numbers in [0, 1), the same sequence on every run and every platform.
class SampleRandom {
public:
    float Next() { return static_cast<float>(engine_() >> 8) / 16777216.0f; }

private:
    std::mt19937 engine_;  // its default starting state, never changed
};

}  // namespace atrium_test
