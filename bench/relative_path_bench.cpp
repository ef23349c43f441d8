// MakeRelativePath on two equal paths of 1 MB and of 8 MB (2-byte components): linear work
// means the larger takes about eight times as long.
//
//   build/bench/relative_path_bench
#include <benchmark/benchmark.h>

#include <string>

#include "atrium/relative_path.hpp"

namespace {

void BM_EqualPaths(benchmark::State& state) {
    std::string path = "C:";
    while (path.size() < static_cast<std::size_t>(state.range(0))) path += "\\a";
    for (auto _ : state) benchmark::DoNotOptimize(atrium::AtriumModule::MakeRelativePath(path, path));
    state.SetBytesProcessed(static_cast<std::int64_t>(path.size()) * state.iterations());
}
BENCHMARK(BM_EqualPaths)->Arg(1 << 20)->Arg(8 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
