// A large analog scatter animation: 50 frames of 10,000 points (500,000 key locations in one
// interpolator) built and exported to a string, against the floor of formatting the same
// numbers with a bare std::to_chars loop into one buffer.
//
//   build/bench/scatter_bench
//
// Target: BM_ScatterExport within 2 times BM_ScatterToCharsFloor.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "atrium/graph_factory.hpp"
#include "atrium/scatter_graph.hpp"
#include "atrium/template_ctl.hpp"

namespace {

constexpr int kFrames = 50;
constexpr int kPoints = 10'000;

float Sample(std::size_t i) { return static_cast<float>(5.0 + 4.0 * std::sin(static_cast<double>(i) * 0.37)); }

std::shared_ptr<atrium::ScatterGraph> MakeGraph() {
    static atrium::AtriumTemplateCtl control;
    auto graph = control.CreateFactory()->CreateScatterGraph();
    graph->SetPointFrameCount(kFrames);
    std::size_t n = 0;
    for (std::int16_t f = 1; f <= kFrames; ++f) {
        auto frame = graph->Get1PointFrame(f);
        for (int p = 0; p < kPoints; ++p, n += 3)
            frame->AddPoint(Sample(n), Sample(n + 1), Sample(n + 2), 0.2f, 0x3050E0, 0.25f);
    }
    graph->SetAnimationLoopStyle(atrium::LoopStyle::VRML_LOOP_BREAK);
    return graph;
}

// The numbers the export writes: every key location of every frame, one key per frame, and
// the lists of frame 1, which is the frame drawn.
std::vector<float> ExportedNumbers(const atrium::ScatterGraph& graph) {
    std::vector<float> numbers;
    for (std::int16_t f = 1; f <= kFrames; ++f)
        for (const auto& v : graph.Get1PointFrame(f)->SphereCollectionNode()->LocationsField()->Values())
            numbers.insert(numbers.end(), v.begin(), v.end());
    for (int f = 0; f < kFrames; ++f) numbers.push_back(static_cast<float>(f * 0.99 / (kFrames - 1)));
    auto spheres = graph.Get1PointFrame(1)->SphereCollectionNode();
    for (const auto& v : spheres->LocationsField()->Values()) numbers.insert(numbers.end(), v.begin(), v.end());
    for (const auto& v : spheres->ColorsField()->Values()) numbers.insert(numbers.end(), v.begin(), v.end());
    for (float v : spheres->TransparenciesField()->Values()) numbers.push_back(v);
    for (float v : spheres->RadiiField()->Values()) numbers.push_back(v);
    return numbers;
}

void BM_ScatterToCharsFloor(benchmark::State& state) {
    const auto numbers = ExportedNumbers(*MakeGraph());
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string buffer;
        buffer.resize(numbers.size() * 16);
        char* p = buffer.data();
        char* end = p + buffer.size();
        for (float v : numbers) {
            p = std::to_chars(p, end, v).ptr;
            *p++ = ' ';
        }
        buffer.resize(static_cast<std::size_t>(p - buffer.data()));
        bytes = buffer.size();
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes * state.iterations()));
    state.counters["numbers"] = static_cast<double>(numbers.size());
}
BENCHMARK(BM_ScatterToCharsFloor)->Unit(benchmark::kMillisecond);

// The graph's own export: key frames built from the frames, then the whole world written.
void BM_ScatterExport(benchmark::State& state) {
    auto graph = MakeGraph();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = graph->ExportToString(true, true);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes * state.iterations()));
    state.counters["text MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ScatterExport)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
