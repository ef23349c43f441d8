// The density estimate against the plain double loop over lattice points and points, in the
// same run: a 150 x 150 lattice 0.2 apart, 10,000 points spread over it, sigma 0.8.
//
//   build/bench/density_bench
//
// Counter of the fast map: "error/largest", the largest difference from the plain loop's map
// divided by that map's largest value.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "atrium/density_estimate.hpp"

namespace {

const atrium::ParzenLattice kLattice{150, 150, 0.2f, 0.2f};
constexpr float kSigma = 0.8f;

const std::vector<holvane::Vec2f>& Points() {
    static const std::vector<holvane::Vec2f> points = [] {
        std::mt19937 engine(14);
        std::uniform_real_distribution<float> u(0.0f, 30.0f);
        std::vector<holvane::Vec2f> out(10'000);
        for (auto& p : out) p = {u(engine), u(engine)};
        return out;
    }();
    return points;
}

void BM_PlainLoop(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(atrium::DirectParzenMap(kLattice, Points(), kSigma));
}
BENCHMARK(BM_PlainLoop)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_SeparableMap(benchmark::State& state) {
    std::vector<double> fast;
    for (auto _ : state) {
        fast = atrium::ParzenMap(kLattice, Points(), kSigma);
        benchmark::DoNotOptimize(fast.data());
    }
    const auto plain = atrium::DirectParzenMap(kLattice, Points(), kSigma);
    double error = 0;
    for (std::size_t k = 0; k < plain.size(); ++k) error = std::max(error, std::abs(fast[k] - plain[k]));
    state.counters["error/largest"] = error / *std::max_element(plain.begin(), plain.end());
}
BENCHMARK(BM_SeparableMap)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
