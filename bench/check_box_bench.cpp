// A check-box column filled one box at a time under a deferred layout (as the legend fills it at
// every export), at several sizes up to the full 32,767 boxes.
//
//   build/bench/check_box_bench
//
// Target: linear in the box count (the reported complexity is O(N)); the full column in well
// under a second.
#include <benchmark/benchmark.h>

#include "atrium/series_toggle_info.hpp"

namespace {

void BM_FillCheckBoxColumn(benchmark::State& state) {
    for (auto _ : state) {
        atrium::SeriesToggleInfo column;
        const atrium::SeriesToggleInfo::DeferredLayout once(column);
        for (int i = 0; i < state.range(0); ++i) column.AddCheckBox();
        benchmark::DoNotOptimize(column.Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FillCheckBoxColumn)->RangeMultiplier(2)->Range(4096, 16384)->Arg(32767)->Complexity();

}  // namespace

BENCHMARK_MAIN();
